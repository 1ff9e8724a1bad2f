#include "card/safe_replace.h"

#include "card/card_text.h"
#include "card/platform.h"

namespace card {

std::error_code ReplaceCardFile(const char* path, std::string_view text, ProtectedFile protectedFile) {
  return platform::SafeReplace(path, ToCardText(text), protectedFile);
}

}  // namespace card
