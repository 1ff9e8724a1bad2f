// The main window's own rule for its overlay: the foreground check that brings the overlay back after another
// window has been in front.
#include "ui/main/configure_dlg.h"

namespace main_window {

void CConfigureDlg::CheckForeground() {
  // A paint copies the background over the overlay. While another window is in front paints only disarm;
  // the first paint back in front schedules one refresh.
  const HWND foreground = ::GetForegroundWindow();
  const HWND mainWindow = ::FindWindowW(nullptr, kMainWindowTitle);
  if (foreground != mainWindow) refreshArmed_ = 0;
  if (foreground == mainWindow && !refreshArmed_) {
    overlay_.ScheduleRefresh();
    refreshArmed_ = 1;
  }
}

}  // namespace main_window
