// Fuzz input as a card file for the card's own text reader (fmemopen refuses an empty buffer).
#pragma once

#include <stdio.h>

#include <cstdint>
#include <memory>

namespace fuzz {

using CardBytes = std::unique_ptr<FILE, int (*)(FILE*)>;

inline CardBytes OpenBytes(const void* data, size_t size) {
  return CardBytes(size > 0 ? fmemopen(const_cast<void*>(data), size, "rb") : fopen("/dev/null", "rb"), fclose);
}

}  // namespace fuzz
