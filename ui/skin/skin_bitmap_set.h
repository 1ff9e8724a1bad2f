// The bitmaps of a skinned window that its overlay copies over its buttons and that its image buttons draw
// from, decoded into sections by resource identifier, each once, and kept until the window's end.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "framework/gdi.h"
#include "framework/png_bitmap.h"
#include "ui/skin/skin_scale.h"

namespace skin {

class SkinBitmapSet {
 public:
  // The images of one set of the skin.
  explicit SkinBitmapSet(SkinScale scale = {}) : scale_(scale) {}

  // Loads every bitmap of `ids` that the set does not hold yet; one that cannot be loaded stays null. What the
  // set holds it keeps, so a handle it has handed out stays valid as long as the set lives.
  void Load(std::span<const UINT> ids);
  // The bitmap, loaded now when the set does not hold it yet; null for id 0 or a bitmap that cannot be loaded.
  HBITMAP Acquire(UINT id);
  // The loaded bitmap, or null when it is missing or was never asked for.
  HBITMAP Get(UINT id) const;

 private:
  HBITMAP Acquire(const fw::PngDecoder& decoder, UINT id);

  struct Entry {
    UINT id;
    fw::UniqueBitmap bitmap;
  };
  SkinScale scale_;
  std::vector<Entry> entries_;  // sorted by id
};

}  // namespace skin
