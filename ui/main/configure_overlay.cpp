// The main window's overlay: its two plans over the Settings table and its buttons, and the foreground
// check that brings the overlay back after another window has been in front.
#include "ui/main/configure_dlg.h"

namespace main_window {

std::span<const UINT> CConfigureDlg::OverlayBitmapIds() const { return main_window::OverlayBitmapIds(); }

skin::OverlayPlan CConfigureDlg::PlanMarkers() const { return MarkerRefreshPlan(CurrentSettingValues()); }

skin::OverlayPlan CConfigureDlg::PlanHover(POINT cursor) const {
  HoverRects rects;
  for (size_t i = 0; i < actionButtons_.size(); ++i) rects.actions[i] = actionButtons_[i].GetWindowRect();
  const auto& choices = ChoiceButtons();
  size_t hoverIndex = 0;
  for (size_t i = 0; i < choices.size(); ++i)
    if (choices[i].hover) rects.choices[hoverIndex++] = choiceButtons_[i].GetWindowRect();
  return HoverPlan(cursor, rects, CurrentSettingValues());
}

void CConfigureDlg::CheckForeground() {
  // A paint copies the background over the overlay. While another window is in front paints only disarm;
  // the first paint back in front schedules one refresh.
  const HWND foreground = ::GetForegroundWindow();
  const HWND mainWindow = ::FindWindowW(nullptr, kMainWindowTitle);
  if (foreground != mainWindow) refreshArmed_ = 0;
  if (foreground == mainWindow && !refreshArmed_) {
    ScheduleOverlayRefresh();
    refreshArmed_ = 1;
  }
}

}  // namespace main_window
