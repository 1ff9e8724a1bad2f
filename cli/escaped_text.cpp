#include "cli/escaped_text.h"

#include <cstdio>

namespace cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 when there is none.
size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;   // no overlong forms
    if (lead == 0xed) high = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;  // nothing above U+10FFFF
  }
  if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
  }
  return length;
}

std::string Hex(unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
}

// `text` with each ASCII byte as `ascii` writes it and each byte that starts no well-formed UTF-8 sequence as
// `invalid` writes it; well-formed sequences stay as they are.
template <class Ascii, class Invalid>
std::string Rewritten(std::string_view text, Ascii ascii, Invalid invalid) {
  std::string out;
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text.front());
    size_t taken = 1;
    if (c < 0x80) {
      out += ascii(c);
    } else if ((taken = Utf8SequenceLength(text)) != 0) {
      out.append(text.substr(0, taken));
    } else {
      taken = 1;
      out += invalid(c);
    }
    text.remove_prefix(taken);
  }
  return out;
}

}  // namespace

std::string JsonString(std::string_view text) {
  const auto ascii = [](unsigned char c) -> std::string {
    if (c == '"' || c == '\\') return {'\\', static_cast<char>(c)};
    if (c >= 0x20 && c != 0x7f) return std::string(1, static_cast<char>(c));
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    return escaped;
  };
  std::string json = "\"";
  json += Rewritten(text, ascii, [](unsigned char) { return std::string("\\ufffd"); });
  json += '"';
  return json;
}

std::string TerminalText(std::string_view text) {
  const auto ascii = [](unsigned char c) {
    return (c < 0x20 && c != '\n') || c == 0x7f ? Hex(c) : std::string(1, static_cast<char>(c));
  };
  return Rewritten(text, ascii, Hex);
}

}  // namespace cli
