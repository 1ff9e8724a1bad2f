#include "app/configure_app.h"

#include <commctrl.h>

#include "framework/com.h"
#include "ui/main/configure_dlg.h"
#include "ui/main/screen_scale.h"

namespace app {

bool AnotherInstanceRuns() {
  HANDLE mutex = ::CreateMutexW(nullptr, TRUE, kSingleInstanceMutexName);
  const DWORD error = ::GetLastError();
  // Never closed: the name exists as long as this process does, and the system removes it at exit.
  if (mutex) ::ReleaseMutex(mutex);
  return error == ERROR_ALREADY_EXISTS;
}

void BringRunningInstanceToFront() {
  HWND running = ::FindWindowW(nullptr, main_window::kMainWindowTitle);
  if (!running) return;  // still opening, or just closed
  ::SendMessageW(running, main_window::kBringToFrontMessage, 0, 0);
  ::SetForegroundWindow(running);
}

BOOL CConfigureApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  static_assert(sizeof controls == 8 && ICC_WIN95_CLASSES == 0xFF);
  ::InitCommonControlsEx(&controls);
  CWinApp::InitInstance();

  if (AnotherInstanceRuns()) {
    BringRunningInstanceToFront();
    return FALSE;
  }
  // The skin's images are decoded through COM: one apartment for the program's life keeps the imaging
  // component loaded from window to window; it ends after the main window's.
  const fw::ScopedComApartment com;
  // The program is system-DPI-aware (its manifest): the skin's set is chosen once, for the primary screen.
  main_window::CConfigureDlg mainWindow(main_window::SkinScaleForScreen());
  m_pMainWnd = &mainWindow;
  mainWindow.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

}  // namespace app
