// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand.
// clang-format off
#pragma once

#include <windows.h>

namespace dialogs::layout {

// The boxes' and the picker's geometry at one display scale, in that scale's pixels.
struct Layout {
  RECT ok;  // the OK of the no-card and closing boxes
  RECT apply, cancel;  // of the notice and the time zone picker
  RECT timeZoneList;  // the picker's closed list
  int listTextHeight;
};

inline constexpr Layout kLayouts[] = {
    // 100 %
    {
        RECT{300, 177, 433, 221},
        RECT{174, 177, 307, 221},
        RECT{302, 177, 431, 221},
        RECT{11, 101, 424, 122},
        12,
    },
};

}  // namespace dialogs::layout
