// Card paths are single-byte strings; the wide file functions need them in UTF-16.
#pragma once

#include "card/card_paths.h"

namespace card {

struct WidePath {
  wchar_t text[kPathCapacity] = {};
};

// Converts with the ANSI code page, as the C runtime's file functions read the same path.
WidePath WidenPath(const char* path);

}  // namespace card
