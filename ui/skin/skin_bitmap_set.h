// The bitmaps that a window's overlay copies over its buttons, loaded as sections by resource
// identifier and kept until the next load or the window's end.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "framework/gdi.h"

namespace skin {

class SkinBitmapSet {
 public:
  // Releases what was loaded before and loads every bitmap of `ids`; one that cannot be loaded stays null.
  void Load(std::span<const UINT> ids);
  // The loaded bitmap, or null when it is missing or was never asked for.
  HBITMAP Get(UINT id) const;

 private:
  struct Entry {
    UINT id;
    fw::UniqueBitmap bitmap;
  };
  std::vector<Entry> entries_;  // sorted by id
};

}  // namespace skin
