#include "framework/win_app.h"

namespace fw {
namespace {

CWinApp* g_application = nullptr;

// Takes the current folder out of the library search everywhere, and where the system offers it (Windows 8,
// or 7 with its update KB2533623) searches System32 alone. Looked up rather than imported: a direct import
// would keep the program from starting on a Windows 7 without that update.
void RestrictLibrarySearch() {
  ::SetDllDirectoryW(L"");
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(kernel ? ::GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

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
  RestrictLibrarySearch();
  CWinApp* app = CWinApp::Current();
  if (!app) return 1;
  app->m_hInstance = instance;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->ExitInstance();
}

}  // namespace fw
