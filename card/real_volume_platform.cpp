#include "card/real_volume_platform.h"

#include <cstdio>
#include <cwchar>

namespace card {
namespace {

class SharedRealVolumePlatform final : public RealVolumePlatform {};

// The box carries the program's name as its caption, as the framework's own message box does.
void ProgramName(wchar_t (&name)[MAX_PATH]) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* slash = std::wcsrchr(path, L'\\');
  std::wcsncpy(name, slash ? slash + 1 : path, MAX_PATH - 1);
  name[MAX_PATH - 1] = L'\0';
  if (wchar_t* dot = std::wcsrchr(name, L'.')) *dot = L'\0';
}

}  // namespace

UINT RealVolumePlatform::DriveType(const wchar_t* rootPath) { return GetDriveTypeW(rootPath); }

HANDLE RealVolumePlatform::OpenVolume(const wchar_t* volumePath, DWORD access) {
  return CreateFileW(volumePath, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

DWORD RealVolumePlatform::LastError() { return GetLastError(); }

bool RealVolumePlatform::Control(HANDLE volume, DWORD code, const void* input, DWORD inputSize) {
  DWORD bytesReturned = 0;
  return DeviceIoControl(volume, code, const_cast<void*>(input), inputSize, nullptr, 0, &bytesReturned, nullptr) != 0;
}

bool RealVolumePlatform::Close(HANDLE volume) { return CloseHandle(volume) != 0; }

void RealVolumePlatform::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

void RealVolumePlatform::Print(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}

void RealVolumePlatform::ShowOpenError(const wchar_t* text) {
  wchar_t caption[MAX_PATH];
  ProgramName(caption);
  MessageBoxW(GetActiveWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}

RealVolumePlatform& TheRealVolumePlatform() {
  static SharedRealVolumePlatform platform;
  return platform;
}

}  // namespace card
