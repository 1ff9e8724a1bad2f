#include "card/eject/real_volume_platform.h"

#include <cstdio>

namespace card {

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

}  // namespace card
