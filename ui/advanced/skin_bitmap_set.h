// The bitmaps a window copies over its buttons, loaded by resource identifier and looked up the same way.
#pragma once

#include <windows.h>

#include <span>
#include <utility>
#include <vector>

#include "framework/gdi.h"

namespace advanced {

class SkinBitmapSet {
 public:
  // Releases the bitmaps held and loads each identifier as a section; one that fails to load stays null.
  void Load(std::span<const UINT> ids);
  // The loaded bitmap, or null when it is missing or was never asked for.
  HBITMAP Get(UINT id) const;

 private:
  std::vector<std::pair<UINT, fw::UniqueBitmap>> bitmaps_;
};

}  // namespace advanced
