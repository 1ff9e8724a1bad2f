#include "framework/win_app.h"

namespace fw {
namespace {

CWinApp* g_application = nullptr;

}  // namespace

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

CWinApp* CWinApp::Current() { return g_application; }

int AfxMessageBox(LPCWSTR text, UINT type) {
  CWinApp* app = CWinApp::Current();
  HWND owner = ::GetActiveWindow();
  if (!owner && app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  return ::MessageBoxW(owner, text, L"DQ_configure", type);
}

int RunApplication(HINSTANCE instance) {
  // Probing empty card-reader slots must not raise the system's "insert a disk" boxes.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // The program lives on a removable card: never load a library from the card's folder.
  ::SetDllDirectoryW(L"");
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  CWinApp* app = CWinApp::Current();
  if (!app) return 1;
  app->m_hInstance = instance;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->ExitInstance();
}

}  // namespace fw
