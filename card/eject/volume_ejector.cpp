#include "card/eject/volume_ejector.h"

#include <winioctl.h>

#include <cstdio>
#include <cwchar>

namespace card {
namespace {

constexpr int kLockAttempts = 20;
constexpr DWORD kLockRetryDelayMs = 500;  // 20 attempts give other programs 10 s to let go of the card

void PrintWithLetter(VolumePlatform& platform, const char* format, wchar_t letter) {
  char text[64];
  std::snprintf(text, sizeof text, format, static_cast<char>(letter));
  platform.Print(text);
}

}  // namespace

int VolumeEjector::Eject(wchar_t letter) {
  wchar_t rootPath[4];
  std::swprintf(rootPath, 4, L"%lc:\\", static_cast<wint_t>(letter));
  DWORD access = 0;
  switch (platform_->DriveType(rootPath)) {
    case DRIVE_REMOVABLE:
      access = GENERIC_READ | GENERIC_WRITE;
      break;
    case DRIVE_CDROM:
      access = GENERIC_READ;
      break;
    default:
      platform_->Print("Cannot eject.  Drive type is incorrect.\n");
      return 0;
  }

  wchar_t volumePath[7];
  std::swprintf(volumePath, 7, L"\\\\.\\%lc:", static_cast<wint_t>(letter));
  const HANDLE volume = platform_->OpenVolume(volumePath, access);
  if (volume == INVALID_HANDLE_VALUE) {
    wchar_t text[64];
    std::swprintf(text, 64, L"Error %d: %ls\n", static_cast<int>(platform_->LastError()), L"CreateFile");
    errors_->OnVolumeNotOpened(text);
    return 0;
  }

  bool safeToRemove = false;
  bool ejected = false;
  if (Lock(volume)) {
    safeToRemove = platform_->Control(volume, FSCTL_DISMOUNT_VOLUME, nullptr, 0);
  }
  if (safeToRemove) {
    PREVENT_MEDIA_REMOVAL allowRemoval = {};
    allowRemoval.PreventMediaRemoval = FALSE;
    ejected = platform_->Control(volume, IOCTL_STORAGE_MEDIA_REMOVAL, &allowRemoval, sizeof allowRemoval) &&
              platform_->Control(volume, IOCTL_STORAGE_EJECT_MEDIA, nullptr, 0);
  }

  // Closing the handle also releases the lock.
  if (!platform_->Close(volume)) return 0;
  if (ejected) {
    PrintWithLetter(*platform_, "Media in Drive %c has been ejected safely.\n", letter);
  } else if (safeToRemove) {
    PrintWithLetter(*platform_, "Media in Drive %c can be safely removed.\n", letter);
  }
  return 1;
}

bool VolumeEjector::Lock(HANDLE volume) {
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    if (platform_->Control(volume, FSCTL_LOCK_VOLUME, nullptr, 0)) return true;
    platform_->Sleep(kLockRetryDelayMs);  // after the last failed attempt as well
  }
  return false;
}

}  // namespace card
