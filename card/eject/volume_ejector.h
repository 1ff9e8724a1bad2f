// Locks, dismounts and ejects the card's volume so that the user can take the card out safely.
#pragma once

#include "card/eject/volume_platform.h"

namespace card {

class VolumeEjector {
 public:
  // The volume-open error goes to `errors`, the program's one box for it.
  VolumeEjector(VolumePlatform& platform, VolumeOpenErrorSink& errors) : platform_(&platform), errors_(&errors) {}

  // 1 when the volume could be opened and closed again (whether or not the medium came out), 0 when the
  // drive is neither removable nor optical, cannot be opened, or its handle cannot be closed.
  int Eject(wchar_t letter);

 private:
  bool Lock(HANDLE volume);

  VolumePlatform* platform_;
  VolumeOpenErrorSink* errors_;
};

}  // namespace card
