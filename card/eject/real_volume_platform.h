// The Volume ejector's platform calls, made for real.
#pragma once

#include "card/eject/volume_platform.h"

namespace card {

class RealVolumePlatform : public VolumePlatform {
 public:
  UINT DriveType(const wchar_t* rootPath) override;
  HANDLE OpenVolume(const wchar_t* volumePath, DWORD access) override;
  DWORD LastError() override;
  bool Control(HANDLE volume, DWORD code, const void* input, DWORD inputSize) override;
  bool Close(HANDLE volume) override;
  void Sleep(DWORD milliseconds) override;
  void Print(const char* text) override;
};

}  // namespace card
