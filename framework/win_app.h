// CWinApp: the one application object; the program's entry point runs its InitInstance.
#pragma once

#include "framework/wnd.h"

namespace fw {

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // Returns FALSE to end the program once it returns; TRUE would run a message loop of the
  // application's own, which this program does not have.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }

  static CWinApp* Current();

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
};

// The platform's plain message box with the application's name as its title.
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK);

// Runs the application object: error mode, safe DLL search, InitInstance.
int RunApplication(HINSTANCE instance);

}  // namespace fw
