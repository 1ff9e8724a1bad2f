// The few platform calls the Volume ejector makes, behind an interface so that its whole sequence can be
// driven by a fake device without real waiting.
#pragma once

#include <windows.h>

namespace card {

// Where the ejector's one visible message goes, the volume that could not be opened: the main window shows it
// as a box, as it does the no-card box; the card library shows no window itself.
class VolumeOpenErrorSink {
 public:
  virtual void OnVolumeNotOpened(const wchar_t* text) = 0;

 protected:
  ~VolumeOpenErrorSink() = default;
};

class VolumePlatform {
 public:
  virtual UINT DriveType(const wchar_t* rootPath) = 0;
  // INVALID_HANDLE_VALUE when the volume cannot be opened; LastError() then tells why.
  virtual HANDLE OpenVolume(const wchar_t* volumePath, DWORD access) = 0;
  virtual DWORD LastError() = 0;
  virtual bool Control(HANDLE volume, DWORD code, const void* input, DWORD inputSize) = 0;
  virtual bool Close(HANDLE volume) = 0;
  virtual void Sleep(DWORD milliseconds) = 0;
  // Diagnostics go to standard output, which the user of a windowed program does not see.
  virtual void Print(const char* text) = 0;

 protected:
  ~VolumePlatform() = default;
};

}  // namespace card
