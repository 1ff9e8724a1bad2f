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
  int listFontHeight;  // the list's em height in pixels (a negative LOGFONT height)
};

inline constexpr Layout kLayouts[] = {
    // 100 %
    {
        RECT{300, 177, 433, 221},
        RECT{174, 177, 307, 221},
        RECT{302, 177, 431, 221},
        RECT{11, 101, 424, 122},
        11,
    },
    // 125 %
    {
        RECT{375, 221, 541, 276},
        RECT{218, 221, 384, 276},
        RECT{378, 221, 539, 276},
        RECT{14, 126, 530, 153},
        14,
    },
    // 150 %
    {
        RECT{450, 266, 650, 332},
        RECT{261, 266, 461, 332},
        RECT{453, 266, 647, 332},
        RECT{17, 152, 636, 183},
        17,
    },
    // 175 %
    {
        RECT{525, 310, 758, 387},
        RECT{305, 310, 537, 387},
        RECT{529, 310, 754, 387},
        RECT{19, 177, 742, 214},
        19,
    },
    // 200 %
    {
        RECT{600, 354, 866, 442},
        RECT{348, 354, 614, 442},
        RECT{604, 354, 862, 442},
        RECT{22, 202, 848, 244},
        22,
    },
};

}  // namespace dialogs::layout
