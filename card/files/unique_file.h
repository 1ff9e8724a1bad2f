// Owner of a C runtime FILE stream: closes it once, on Close() or at the end of its scope.
#pragma once

#include <cstdio>
#include <utility>

#include "card/files/platform.h"

namespace card {

class UniqueFile {
 public:
  UniqueFile() = default;
  explicit UniqueFile(FILE* file) : file_(file) {}
  // A UTF-8 path; nullptr (errno set) on failure.
  static UniqueFile Open(const char* path, const char* mode) { return UniqueFile(platform::OpenFile(path, mode)); }

  UniqueFile(UniqueFile&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}
  UniqueFile& operator=(UniqueFile&& other) noexcept {
    if (this != &other) {
      Close();
      file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
  }
  UniqueFile(const UniqueFile&) = delete;
  UniqueFile& operator=(const UniqueFile&) = delete;
  ~UniqueFile() { Close(); }

  FILE* get() const { return file_; }
  explicit operator bool() const { return file_ != nullptr; }

  // False when closing failed (buffered data could not be written); the stream is gone either way.
  bool Close() { return file_ == nullptr || std::fclose(std::exchange(file_, nullptr)) == 0; }

 private:
  FILE* file_ = nullptr;
};

}  // namespace card
