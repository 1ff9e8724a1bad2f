// The main window's overlay: markers and hover images copied over the buttons, and what schedules them.
#include "ui/main/configure_dlg.h"

namespace main_window {

void CConfigureDlg::ExecutePlan(const OverlayPlan& plan) const {
  PaintOverlay(std::span<const OverlayDraw>(plan.begin(), plan.end()), skinBitmaps_);
}

void CConfigureDlg::DrawMarkers() {
  ExecutePlan(MarkerRefreshPlan(CurrentSettingValues()));
}

void CConfigureDlg::DrawHover(POINT cursor) {
  HoverRects rects;
  for (size_t i = 0; i < actionButtons_.size(); ++i) rects.actions[i] = actionButtons_[i].GetWindowRect();
  const auto& choices = ChoiceButtons();
  size_t hoverIndex = 0;
  for (size_t i = 0; i < choices.size(); ++i)
    if (choices[i].hover) rects.choices[hoverIndex++] = choiceButtons_[i].GetWindowRect();
  ExecutePlan(HoverPlan(cursor, rects, CurrentSettingValues()));
}

BOOL CConfigureDlg::PreTranslateMessage(MSG* msg) {
  switch (msg->message) {
    case WM_MOUSEMOVE:
      DrawHover(msg->pt);
      break;
    case WM_LBUTTONUP:
      // A button's own drawing on release covers the overlay; a release outside the pressed button
      // reports no click but has redrawn it all the same.
      ScheduleRefresh(kRefreshDelay);
      break;
    default:
      break;
  }
  // The frame's filter swallows the keys.
  return CSkinnedDialog::PreTranslateMessage(msg);
}

void CConfigureDlg::CheckForeground() {
  // A paint copies the background over the overlay. While another window is in front paints only disarm;
  // the first paint back in front schedules one refresh.
  const HWND foreground = ::GetForegroundWindow();
  const HWND mainWindow = ::FindWindowW(nullptr, kMainWindowTitle);
  if (foreground != mainWindow) refreshArmed_ = 0;
  if (foreground == mainWindow && !refreshArmed_) {
    ScheduleRefresh(kRefreshDelay);
    refreshArmed_ = 1;
  }
}

void CConfigureDlg::OnFirstMoveAfterDrag() { ScheduleRefresh(kRefreshDelay); }

}  // namespace main_window
