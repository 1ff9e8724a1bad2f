#include "card/files/safe_replace.h"

#include "card/core/card_text.h"
#include "card/files/platform.h"

namespace card {
namespace {

// At least one digit, and nothing else, from the start of `text` to `end`; advances past them.
bool TakeDigits(std::string_view& text, char end) {
  const size_t stop = text.find(end);
  if (stop == 0 || stop == std::string_view::npos) return false;
  for (size_t i = 0; i < stop; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  text.remove_prefix(stop + 1);
  return true;
}

}  // namespace

std::error_code ReplaceCardFile(const char* path, std::string_view text, ProtectedFile protectedFile) {
  return platform::SafeReplace(path, ToCardText(text), protectedFile);
}

bool IsTemporaryFileOf(std::string_view entry, std::string_view target) {
  if (entry.size() <= target.size() + 1 || entry.substr(0, target.size()) != target || entry[target.size()] != '.') {
    return false;
  }
  entry.remove_prefix(target.size() + 1);
  return TakeDigits(entry, '-') && TakeDigits(entry, '.') && entry == "tmp";
}

}  // namespace card
