#include "ui/advanced/advance_dlg.h"

#include <commctrl.h>

#include <vector>

#include "card/advanced_snapshot.h"
#include "res/resource.h"
#include "ui/advanced/action_buttons.h"
#include "ui/advanced/advanced_window_rect.h"
#include "ui/advanced/marker_plan.h"
#include "ui/advanced/partition_rules.h"
#include "ui/dialogs/notice_message_dlg.h"

namespace advanced {
namespace {

constexpr UINT kRefreshAfterEvent = skin::kOverlayRefreshDelay;
constexpr UINT kFirstRefresh = skin::kFirstOverlayRefreshDelay;
constexpr UINT kSnapDelay = 150;

// The layout's placeholder for the slider is a trackbar, whose class comctl32 registers only once asked.
void RegisterTrackbarClass() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
}

// What the Marker refresh and the hover overlay copy onto the window.
std::vector<UINT> SkinBitmapIds() {
  std::vector<UINT> ids{IDB_ADV_MARKER, kOkButton.normalImage, kOkButton.hoverImage, kCancelButton.normalImage,
                        kCancelButton.hoverImage};
  for (const ChoiceButton& button : ChoiceButtons())
    if (button.test != MarkerTest::kHidden) ids.push_back(button.normalImage);
  return ids;
}

}  // namespace

const fw::MessageEntry<CAdvanceDlg> CAdvanceDlg::kMessages[] = {
    fw::OnMessage(WM_TIMER, &CAdvanceDlg::OnTimer),
    fw::OnCommandRange(IDC_ADV_FLIP_ON, IDC_ADV_GPS_0 + 2, &CAdvanceDlg::OnChoice),
    fw::OnNotify(IDC_ADV_PARTITION_SLIDER, NM_CUSTOMDRAW, &CAdvanceDlg::OnSliderMoved),
};

CAdvanceDlg::CAdvanceDlg() : CSkinnedDialog(IDD_ADVANCED, IDB_ADV_BACKGROUND) {
  RegisterTrackbarClass();
  card::LoadAdvancedSnapshot(working_);
  snappedSliderPosition_ = SnappedSliderPosition(working_[kPartitionTerritorySlot]);
  EnableOverlay();
}

bool CAdvanceDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return fw::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result) ||
         CSkinnedDialog::OnWndMsg(message, wParam, lParam, result);
}

void CAdvanceDlg::LoadSkinBitmaps() {
  static const std::vector<UINT> ids = SkinBitmapIds();
  skin_.Load(ids);
}

void CAdvanceDlg::DoDataExchange() { sliderPlaceholder_.SubclassDlgItem(IDC_ADV_PARTITION_SLIDER, m_hWnd); }

BOOL CAdvanceDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  PlaceBesideMainWindow();
  CreateImageButton(cancelButton_, kCancelButton.id, kCancelButton.x, kCancelButton.y, kCancelButton.normalImage,
                    kCancelButton.selectedImage, kCancelButton.focusedImage);
  CreateChoiceButtons();
  SetUpPartitionSlider();
  CreateImageButton(okButton_, kOkButton.id, kOkButton.x, kOkButton.y, kOkButton.normalImage, kOkButton.selectedImage,
                    kOkButton.focusedImage);
  StartRefreshTimer(kFirstRefresh);
  return KeepFocusOnWindow();
}

void CAdvanceDlg::PlaceBesideMainWindow() {
  // Replaces the frame's centring: the top-left corner goes to the main window's top-right corner.
  const AdvancedWindowRect& main = TheAdvancedWindowRect();
  SetWindowPos(nullptr, main.right, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAdvanceDlg::CreateChoiceButtons() {
  const auto buttons = ChoiceButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    const ChoiceButton& button = buttons[i];
    if (button.test == MarkerTest::kHidden) continue;
    CreateImageButton(choiceButtons_[i], button.id, button.x, button.y, button.normalImage, button.selectedImage);
  }
}

void CAdvanceDlg::SetUpPartitionSlider() {
  RECT rect = kSliderRect;
  if (sliderPlaceholder_.m_hWnd) {
    sliderPlaceholder_.SetWindowPos(nullptr, kSliderRect.left, kSliderRect.top, kSliderRect.right - kSliderRect.left,
                                    kSliderRect.bottom - kSliderRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    rect = sliderPlaceholder_.GetWindowRect();
    ScreenToClient(rect);
    sliderPlaceholder_.DestroyWindow();
  }
  slider_.Create(rect, m_hWnd, IDC_ADV_PARTITION_SLIDER);
  slider_.LoadThumbBitmap();
  slider_.LoadChannelBitmaps(IDB_SLIDER_CHANNEL_LEFT, IDB_SLIDER_CHANNEL_RIGHT);
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
  const ChoiceButton* choice = FindChoiceButton(id);
  if (!choice) return;
  working_[choice->slot] = choice->value;
  if (id == IDC_ADV_PARTITION_DEFAULT) {
    slider_.SetPos(kDefaultSliderPosition);
    EnableSlider(false);
  } else if (id == IDC_ADV_PARTITION_CUSTOM) {
    EnableSlider(true);
    slider_.SetPos(snappedSliderPosition_);
  }
  StartRefreshTimer(kRefreshAfterEvent);
  // Takes the keyboard focus from the button to the window itself.
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
}

LRESULT CAdvanceDlg::OnSliderMoved(NMHDR* header) {
  // The layout's trackbar carries the same identifier; only the skinned slider speaks for the split.
  if (header->hwndFrom != slider_.m_hWnd) return 0;
  const int32_t territory = TerritoryFromSliderPosition(slider_.GetPos());
  working_[kPartitionTerritorySlot] = territory;
  snappedSliderPosition_ = SnappedSliderPosition(territory);
  return 0;
}

LRESULT CAdvanceDlg::OnTimer(WPARAM id, LPARAM lParam) {
  if (id != kSnapTimer) return CSkinnedDialog::OnTimer(id, lParam);
  KillTimer(kSnapTimer);
  if (working_[kMemoryPartitionSlot] != 0) slider_.SetPos(snappedSliderPosition_);
  return 0;
}

void CAdvanceDlg::DrawMarkers() {
  PaintOverlay(MarkerRefreshPlan(working_), skin_);
}

void CAdvanceDlg::OnFirstMoveAfterDrag() { StartRefreshTimer(kRefreshAfterEvent); }

BOOL CAdvanceDlg::PreTranslateMessage(MSG* msg) {
  switch (msg->message) {
    case WM_MOUSEMOVE:
      DrawHover(msg->pt);
      break;
    case WM_LBUTTONUP:
      StartRefreshTimer(kRefreshAfterEvent);
      SetTimer(kSnapTimer, kSnapDelay);
      break;
    default:
      break;
  }
  // The frame's filter swallows the keys.
  return CSkinnedDialog::PreTranslateMessage(msg);
}

void CAdvanceDlg::DrawHover(POINT cursor) {
  const std::pair<const ActionButton&, const fw::CBitmapButton&> buttons[] = {{kCancelButton, cancelButton_},
                                                                              {kOkButton, okButton_}};
  for (const auto& [layout, button] : buttons) {
    HBITMAP hover = skin_.Get(layout.hoverImage);
    const bool over = hover && button.m_hWnd && IsInHoverArea(button.GetWindowRect(), cursor, layout.hoverInset);
    PaintOverlay(over ? hover : skin_.Get(layout.normalImage), layout.x, layout.y, layout.width, layout.height);
  }
}

void CAdvanceDlg::OnOK() {
  dialogs::CNoticeMessageDlg notice(this);
  if (notice.DoModal() == IDOK) {
    ApplyConfirmationRule(working_);
    card::StoreAdvancedSnapshot(working_);
    CSkinnedDialog::OnOK();
    return;
  }
  StartRefreshTimer(kRefreshAfterEvent);
}

}  // namespace advanced
