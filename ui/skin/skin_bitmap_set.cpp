#include "ui/skin/skin_bitmap_set.h"

#include <algorithm>

namespace skin {

void SkinBitmapSet::Load(std::span<const UINT> ids) {
  entries_.clear();
  entries_.reserve(ids.size());
  for (UINT id : ids) entries_.push_back(Entry{id, fw::LoadSectionBitmap(id)});
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
}

HBITMAP SkinBitmapSet::Get(UINT id) const {
  const auto found = std::lower_bound(entries_.begin(), entries_.end(), id,
                                      [](const Entry& entry, UINT key) { return entry.id < key; });
  return found != entries_.end() && found->id == id ? found->bitmap.get() : nullptr;
}

}  // namespace skin
