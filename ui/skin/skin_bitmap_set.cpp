#include "ui/skin/skin_bitmap_set.h"

#include <algorithm>

#include "framework/png_bitmap.h"

namespace skin {
namespace {

template <class Entries>
auto FindSlot(Entries& entries, UINT id) {
  return std::lower_bound(entries.begin(), entries.end(), id,
                          [](const auto& entry, UINT key) { return entry.id < key; });
}

}  // namespace

void SkinBitmapSet::Load(std::span<const UINT> ids) {
  // One imaging factory for the whole set.
  const fw::PngDecoder decoder(scale_.ResourceType());
  for (UINT id : ids) Acquire(decoder, id);
}

HBITMAP SkinBitmapSet::Acquire(UINT id) {
  const HBITMAP held = Get(id);
  return held || id == 0 ? held : Acquire(fw::PngDecoder(scale_.ResourceType()), id);
}

HBITMAP SkinBitmapSet::Acquire(const fw::PngDecoder& decoder, UINT id) {
  if (id == 0) return nullptr;
  auto slot = FindSlot(entries_, id);
  // Entries move when the vector grows, their bitmaps' handles do not.
  if (slot == entries_.end() || slot->id != id) slot = entries_.insert(slot, Entry{id, decoder.Section(id)});
  return slot->bitmap.get();
}

HBITMAP SkinBitmapSet::Get(UINT id) const {
  const auto found = FindSlot(entries_, id);
  return found != entries_.end() && found->id == id ? found->bitmap.get() : nullptr;
}

}  // namespace skin
