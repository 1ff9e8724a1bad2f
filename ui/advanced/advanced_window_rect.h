// The main window's screen rectangle, recorded by the main window just before it opens the advanced
// window, which places itself at the main window's top-right corner. Process-wide, like the Advanced snapshot:
// the main window writes it and the advanced window reads it while it places itself, and the two windows share
// no object through which it could be passed.
#pragma once

#include <cstdint>

namespace advanced {

struct AdvancedWindowRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

inline AdvancedWindowRect& TheAdvancedWindowRect() {
  static AdvancedWindowRect rect;
  return rect;
}

}  // namespace advanced
