#include "card/core/card_text.h"

#include <cerrno>

namespace card {
namespace {

constexpr int kCtrlZ = 0x1A;

}  // namespace

int CardTextReader::NextByte() {
  if (ended_) return EOF;
  int c = EOF;
  if (file_ != nullptr) {
    c = std::fgetc(file_);
  } else if (!bytes_.empty()) {
    c = static_cast<unsigned char>(bytes_.front());
    bytes_.remove_prefix(1);
  }
  if (c == EOF || c == kCtrlZ) {
    ended_ = true;
    failed_ = c == EOF && file_ != nullptr && std::ferror(file_) != 0;
    if (failed_) readError_ = errno != 0 ? errno : EIO;
    return EOF;
  }
  return c;
}

int CardTextReader::Next() {
  int c = pending_;
  if (c == kNothing) {
    c = NextByte();
  } else {
    pending_ = kNothing;
  }
  if (c != '\r') return c;
  const int next = NextByte();
  if (next == '\n') return '\n';
  pending_ = next;
  return '\r';
}

std::string ToCardText(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

}  // namespace card
