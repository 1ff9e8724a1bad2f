// Fuzz input as a card file: a read-only stream over the bytes, read by the card's own text reader.
#pragma once

#include <stdio.h>

#include <cstddef>
#include <cstdint>

namespace fuzz {

class CardBytes {
 public:
  // fmemopen refuses an empty buffer; /dev/null is the empty file.
  CardBytes(const uint8_t* data, size_t size)
      : file_(size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : fopen("/dev/null", "rb")) {
    if (file_ == nullptr) __builtin_trap();
  }
  ~CardBytes() {
    if (file_ != nullptr) fclose(file_);
  }
  CardBytes(const CardBytes&) = delete;
  CardBytes& operator=(const CardBytes&) = delete;
  FILE* get() const { return file_; }

 private:
  FILE* file_;
};

}  // namespace fuzz
