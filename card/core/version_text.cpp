#include "card/core/version_text.h"

#include "card/core/card_line.h"

namespace card {

VersionTexts ReadVersionText(CardTextReader& text, VersionTexts start) {
  VersionTexts texts = std::move(start);
  char line[kLineCapacity];
  char value[kLineCapacity];
  while (const size_t length = ReadCardLine(text, line)) {
    const std::string_view content(line, length);
    const std::string_view key = KeyOfLine(content);
    std::string* target = key == "Model" ? &texts.model : key == "Version" ? &texts.firmware : nullptr;
    if (target != nullptr) *target = ValueOfLine(content, value).substr(0, kVersionValueMax);
  }
  return texts;
}

VersionTexts ReadVersionBytes(std::string_view bytes, VersionTexts start) {
  CardTextReader text(bytes);
  return ReadVersionText(text, std::move(start));
}

}  // namespace card
