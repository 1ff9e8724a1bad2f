#include "ui/dialogs/program_message_box.h"

#include <windows.h>

#include <cwchar>

namespace dialogs {
namespace {

void ProgramName(wchar_t (&name)[MAX_PATH]) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* slash = std::wcsrchr(path, L'\\');
  std::wcsncpy(name, slash ? slash + 1 : path, MAX_PATH - 1);
  name[MAX_PATH - 1] = L'\0';
  if (wchar_t* dot = std::wcsrchr(name, L'.')) *dot = L'\0';
}

}  // namespace

void ShowProgramMessageBox(const wchar_t* text) {
  wchar_t caption[MAX_PATH];
  ProgramName(caption);
  MessageBoxW(GetActiveWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace dialogs
