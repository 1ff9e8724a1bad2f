#include "ui/dialogs/world_time_dlg.h"

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

CWorldTimeDlg::CWorldTimeDlg(int initialIndex, fw::CWnd* parent)
    : WithMessageTable(IDD_WORLD_TIME, IDB_WORLD_TIME_BACKGROUND, parent),
      chosenIndex_(initialIndex == -1 ? kDefaultTimeZone : initialIndex) {}

void CWorldTimeDlg::DoDataExchange() {
  applyButton_.SubclassDlgItem(IDOK, m_hWnd);
  cancelButton_.SubclassDlgItem(IDCANCEL, m_hWnd);
  list_.SubclassDlgItem(IDC_WORLD_TIME_LIST, m_hWnd);
}

BOOL CWorldTimeDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  for (int i = 0; i < kTimeZoneCount; ++i) list_.AddString(TimeZoneText(i));
  list_.SetCurSel(chosenIndex_);
  const skin::TemplateButton buttons[] = {
      {&applyButton_, IDOK, layout::kLayouts[0].apply, IDB_APPLY_STRIP},
      {&cancelButton_, IDCANCEL, layout::kLayouts[0].cancel, IDB_CANCEL_STRIP},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons);
  GiveOverlapToRightButton(applyButton_, cancelButton_);
  chosenIndex_ = -1;
  return TRUE;
}

void CWorldTimeDlg::OnApply() {
  if (const int selected = list_.GetCurSel(); selected != CB_ERR) chosenIndex_ = selected;
  OnOK();
}

}  // namespace dialogs
