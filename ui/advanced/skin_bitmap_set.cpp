#include "ui/advanced/skin_bitmap_set.h"

namespace advanced {

void SkinBitmapSet::Load(std::span<const UINT> ids) {
  bitmaps_.clear();
  bitmaps_.reserve(ids.size());
  for (UINT id : ids) bitmaps_.emplace_back(id, fw::LoadSectionBitmap(id));
}

HBITMAP SkinBitmapSet::Get(UINT id) const {
  for (const auto& [loadedId, bitmap] : bitmaps_)
    if (loadedId == id) return bitmap.get();
  return nullptr;
}

}  // namespace advanced
