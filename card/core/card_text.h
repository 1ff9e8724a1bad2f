// The card's text files as the camera and the Windows C runtime's text mode see them, done by hand so that
// the same bytes read the same way on every platform: CR LF reads as LF, the byte 0x1A ends the file, and
// every LF is written as CR LF.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace card {

// Reads characters from a stream opened in binary mode, or from bytes in memory. Owns neither.
class CardTextReader {
 public:
  explicit CardTextReader(FILE* file) : file_(file) {}
  explicit CardTextReader(std::string_view bytes) : bytes_(bytes) {}

  // The next character, or EOF at the end of the file, at a 0x1A byte or on a read error. A CR that is not
  // followed by LF is kept.
  int Next();

  // True once the end of the file (or 0x1A) has been met, that is when the next Next() gives EOF without
  // reading.
  bool MetEnd() const { return ended_ && pending_ == kNothing; }

  // True when reading stopped on a read error rather than at the end of the file.
  bool Failed() const { return failed_; }
  // The errno of that read error.
  int ReadError() const { return readError_; }

 private:
  static constexpr int kNothing = -2;
  int NextByte();

  FILE* file_ = nullptr;
  std::string_view bytes_;  // what is left to read when there is no stream
  int pending_ = kNothing;  // a character read ahead after a CR
  bool ended_ = false;
  bool failed_ = false;
  int readError_ = 0;
};

// The bytes of `text` on the card: each LF becomes CR LF.
std::string ToCardText(std::string_view text);

}  // namespace card
