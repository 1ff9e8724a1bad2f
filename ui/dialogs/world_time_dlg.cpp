#include "ui/dialogs/world_time_dlg.h"

#include <algorithm>

#include "framework/screen.h"
#include "res/resource.h"
#include "ui/dialogs/button_overlap.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/dialogs/time_zone_list.h"

namespace dialogs {

// The frame's paint, size, close and drag handlers come from the base's table. Cancel and a close
// message end through the frame's OnCancel, which releases the background unless it is already gone;
// the chosen index then stays -1.
std::span<const fw::MessageEntry<CWorldTimeDlg>> CWorldTimeDlg::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CWorldTimeDlg>({
      fw::OnCommand(IDOK, &CWorldTimeDlg::OnApply),
  });
  return kEntries;
}

CWorldTimeDlg::CWorldTimeDlg(int initialIndex, skin::SkinScale scale, fw::CWnd* parent)
    : WithMessageTable(IDD_WORLD_TIME, IDB_WORLD_TIME_BACKGROUND, parent, scale),
      chosenIndex_(initialIndex == -1 ? kDefaultTimeZone : initialIndex) {}

void CWorldTimeDlg::DoDataExchange() {
  applyButton_.SubclassDlgItem(IDOK, m_hWnd);
  cancelButton_.SubclassDlgItem(IDCANCEL, m_hWnd);
  list_.SubclassDlgItem(IDC_WORLD_TIME_LIST, m_hWnd);
}

BOOL CWorldTimeDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  FitListToSkin();
  for (int i = 0; i < kTimeZoneCount; ++i) list_.AddString(TimeZoneText(i));
  list_.SetCurSel(chosenIndex_);
  const skin::TemplateButton buttons[] = {
      {&applyButton_, IDOK, skin::AtScale(layout::kLayouts, Scale()).apply, IDB_APPLY_STRIP},
      {&cancelButton_, IDCANCEL, skin::AtScale(layout::kLayouts, Scale()).cancel, IDB_CANCEL_STRIP},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons, Scale());
  GiveOverlapToRightButton(applyButton_, cancelButton_);
  chosenIndex_ = -1;
  return TRUE;
}

void CWorldTimeDlg::FitListToSkin() {
  // The dialog manager places the list from the layout's dialog units in the dialog's font at the screen's DPI:
  // with the 100 % skin on a 96-DPI screen that is where the background leaves room for it. Any other set, or the
  // 100 % set on a denser screen, gets the list at the skin's own rectangle in a font of the skin's size.
  constexpr int kLayoutDpi = 96;
  if (Scale().index == 0 && fw::ScreenDpi() == kLayoutDpi) return;
  const layout::Layout& place = skin::AtScale(layout::kLayouts, Scale());
  LOGFONTW font{};
  const auto current = reinterpret_cast<HFONT>(list_.SendMessage(WM_GETFONT));
  if (!current || !::GetObjectW(current, sizeof font, &font))
    ::lstrcpynW(font.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
  font.lfHeight = -place.listFontHeight;
  font.lfWidth = 0;
  listFont_.reset(::CreateFontIndirectW(&font));
  if (listFont_) list_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
  // A drop-down list's height is its dropped height; the closed box takes its own from the font.
  RECT dropped{};
  list_.SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const RECT& rect = place.timeZoneList;
  const int height = static_cast<int>(std::max(dropped.bottom - dropped.top, rect.bottom - rect.top));
  list_.SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWorldTimeDlg::OnApply() {
  if (const int selected = list_.GetCurSel(); selected != CB_ERR) chosenIndex_ = selected;
  OnOK();
}

}  // namespace dialogs
