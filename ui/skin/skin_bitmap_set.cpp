#include "ui/skin/skin_bitmap_set.h"

#include <algorithm>

namespace skin {
namespace {

template <class Entries>
auto FindSlot(Entries& entries, UINT id) {
  return std::lower_bound(entries.begin(), entries.end(), id,
                          [](const auto& entry, UINT key) { return entry.id < key; });
}

}  // namespace

void SkinBitmapSet::Load(std::span<const UINT> ids) {
  for (UINT id : ids) Acquire(id);
}

HBITMAP SkinBitmapSet::Acquire(UINT id) {
  if (id == 0) return nullptr;
  auto slot = FindSlot(entries_, id);
  // Entries move when the vector grows, their bitmaps' handles do not.
  if (slot == entries_.end() || slot->id != id) slot = entries_.insert(slot, Entry{id, fw::LoadSectionBitmap(id)});
  return slot->bitmap.get();
}

HBITMAP SkinBitmapSet::Get(UINT id) const {
  const auto found = FindSlot(entries_, id);
  return found != entries_.end() && found->id == id ? found->bitmap.get() : nullptr;
}

}  // namespace skin
