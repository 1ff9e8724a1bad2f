// ver.txt as bytes: the camera's model and firmware texts. Pure functions with no state and no files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "card/core/card_text.h"

namespace card {

constexpr size_t kVersionValueMax = 63;  // a text keeps at most this many characters

struct VersionTexts {
  std::string model;     // the "Model" line's value
  std::string firmware;  // the "Version" line's value
};

// What the windows show when ver.txt cannot be opened.
inline const VersionTexts kVersionPlaceholders = {"QUILVa", "########"};

// Every line up to the first empty one: a "Model" or "Version" key (exact) sets that text to the value after
// the first "=", every further "=" dropped, cut to kVersionValueMax characters; a later line wins. A text no
// line names keeps `start`'s (empty unless the caller says otherwise).
VersionTexts ReadVersionText(CardTextReader& text, VersionTexts start = {});
VersionTexts ReadVersionBytes(std::string_view bytes, VersionTexts start = {});

}  // namespace card
