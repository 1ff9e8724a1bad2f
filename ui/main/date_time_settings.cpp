#include "ui/main/date_time_settings.h"

#include <windows.h>

namespace main_window {

ProcessLaunch DateTimeSettingsLaunch(std::wstring_view systemDirectory) {
  std::wstring directory(systemDirectory);
  if (!directory.empty() && directory.back() != L'\\') directory += L'\\';
  ProcessLaunch launch;
  launch.application = directory + L"control.exe";
  launch.commandLine = L"\"" + launch.application + L"\" timedate.cpl";
  return launch;
}

bool StartDateTimeSettings() {
  wchar_t systemDirectory[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(systemDirectory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const ProcessLaunch launch = DateTimeSettingsLaunch(std::wstring_view(systemDirectory, length));
  std::wstring commandLine = launch.commandLine;  // CreateProcessW may write into its command line
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  // The system directory as the working directory too: control.exe loads timedate.cpl by its bare name,
  // and the working directory would otherwise be the card's folder.
  if (!::CreateProcessW(launch.application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        systemDirectory, &startup, &process))
    return false;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

}  // namespace main_window
