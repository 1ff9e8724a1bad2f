#include "ui/advanced/advance_dlg.h"

#include <commctrl.h>

#include "card/core/setting_rows.h"
#include "card/tables/advanced_snapshot.h"
#include "res/resource.h"
#include "ui/advanced/action_buttons.h"
#include "ui/advanced/advanced_window_rect.h"
#include "ui/advanced/partition_rules.h"
#include "ui/dialogs/notice_message_dlg.h"

namespace advanced {
namespace {

constexpr UINT kSnapDelay = 150;

// The layout's placeholder for the slider is a trackbar, whose class comctl32 registers only once asked.
void RegisterTrackbarClass() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
}

}  // namespace

std::span<const fw::MessageEntry<CAdvanceDlg>> CAdvanceDlg::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CAdvanceDlg>({
      fw::OnTimer(kSnapTimer, &CAdvanceDlg::OnSnapTimer),
      fw::OnCommandIn(layout::kChoiceIds, &CAdvanceDlg::OnChoice),
      fw::OnCommand(IDC_ADV_PARTITION_DEFAULT, &CAdvanceDlg::OnPartitionDefault),
      fw::OnCommand(IDC_ADV_PARTITION_CUSTOM, &CAdvanceDlg::OnPartitionCustom),
      fw::OnNotify(IDC_ADV_PARTITION_SLIDER, skin::kSliderMoved, &CAdvanceDlg::OnSliderMoved),
  });
  return kEntries;
}

CAdvanceDlg::CAdvanceDlg(skin::SkinScale scale)
    : WithMessageTable(IDD_ADVANCED, IDB_ADV_BACKGROUND, nullptr, scale),
      overlay_(
          *this, OverlayTables(scale), [this](card::SettingRow row) { return working_[SlotOf(row)]; }, scale) {
  RegisterTrackbarClass();
  card::LoadAdvancedSnapshot(working_);
  snappedSliderPosition_ = SnappedSliderPosition(working_[kPartitionTerritorySlot]);
  AttachOverlay(overlay_);
}

void CAdvanceDlg::DoDataExchange() { sliderPlaceholder_.SubclassDlgItem(IDC_ADV_PARTITION_SLIDER, m_hWnd); }

BOOL CAdvanceDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  PlaceBesideMainWindow();
  overlay_.CreateActionButton(kCancelIndex);
  overlay_.CreateChoiceButtons();
  SetUpPartitionSlider();
  overlay_.CreateActionButton(kOkIndex);
  overlay_.ScheduleRefresh(skin::kFirstOverlayRefreshDelay);
  return KeepFocusOnWindow();
}

void CAdvanceDlg::PlaceBesideMainWindow() {
  // Replaces the frame's centring: the top-left corner goes to the main window's top-right corner.
  const AdvancedWindowRect& main = TheAdvancedWindowRect();
  SetWindowPos(nullptr, main.right, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAdvanceDlg::SetUpPartitionSlider() {
  const layout::Layout& layout = LayoutAt(Scale());
  const RECT& place = layout.slider;
  RECT rect = place;
  if (sliderPlaceholder_.m_hWnd) {
    sliderPlaceholder_.SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
    rect = sliderPlaceholder_.GetWindowRect();
    ScreenToClient(rect);
    sliderPlaceholder_.DestroyWindow();
  }
  slider_.Create(rect, m_hWnd, IDC_ADV_PARTITION_SLIDER);
  slider_.SetChannelBand(layout.sliderBandRight, layout.sliderBandHeight);
  slider_.LoadThumbBitmap(Scale());
  slider_.LoadChannelBitmaps(IDB_SLIDER_CHANNEL_LEFT, IDB_SLIDER_CHANNEL_RIGHT, Scale());
  if (working_[kMemoryPartitionSlot] == 0) {
    slider_.SetPos(kDefaultSliderPosition);
    EnableSlider(false);
  } else {
    slider_.SetPos(snappedSliderPosition_);
  }
}

void CAdvanceDlg::EnableSlider(bool enable) {
  // Disabled windows ignore the mouse; the disabled Thumb also shows its disabled frame.
  slider_.EnableWindow(enable);
  slider_.Thumb().EnableWindow(enable);
}

void CAdvanceDlg::OnChoice(UINT id) {
  const skin::Choice* choice = skin::FindChoice(ChoiceButtons(Scale()), id);
  if (!choice) return;  // the table routes only its own identifiers here
  working_[SlotOf(choice->row)] = choice->value;
  overlay_.RefreshAfterChoice();
}

void CAdvanceDlg::OnPartitionDefault() {
  working_[kMemoryPartitionSlot] = 0;
  slider_.SetPos(kDefaultSliderPosition);
  EnableSlider(false);
  overlay_.RefreshAfterChoice();
}

void CAdvanceDlg::OnPartitionCustom() {
  working_[kMemoryPartitionSlot] = 1;
  EnableSlider(true);
  slider_.SetPos(snappedSliderPosition_);
  overlay_.RefreshAfterChoice();
}

LRESULT CAdvanceDlg::OnSliderMoved(NMHDR* header) {
  // The layout's trackbar carries the same identifier; only the skinned slider speaks for the split.
  if (header->hwndFrom != slider_.m_hWnd) return 0;
  const int32_t territory = TerritoryFromSliderPosition(slider_.GetPos());
  working_[kPartitionTerritorySlot] = territory;
  snappedSliderPosition_ = SnappedSliderPosition(territory);
  return 0;
}

void CAdvanceDlg::OnSnapTimer() {
  KillTimer(kSnapTimer);
  if (working_[kMemoryPartitionSlot] != 0) slider_.SetPos(snappedSliderPosition_);
}

BOOL CAdvanceDlg::PreTranslateMessage(MSG* msg) {
  // A release may have let go of the Thumb: it goes to the nearest step shortly after.
  if (msg->message == WM_LBUTTONUP) SetTimer(kSnapTimer, kSnapDelay);
  return CSkinnedDialog::PreTranslateMessage(msg);
}

void CAdvanceDlg::OnOK() {
  dialogs::CNoticeMessageDlg notice(Scale(), this);
  if (notice.DoModal() == IDOK) {
    card::ApplyPartitionRule(working_);  // the default split stores the default territory
    card::StoreAdvancedSnapshot(working_);
    CSkinnedDialog::OnOK();
    return;
  }
  overlay_.ScheduleRefresh();
}

}  // namespace advanced
