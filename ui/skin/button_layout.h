// Where an image button of a skinned window sits and which images it shows; the tables of both overlay
// windows are made of these, so creation, hit areas and the overlay read one position and one set of images.
#pragma once

#include <windows.h>

namespace skin {

struct ButtonLayout {
  UINT id;
  POINT at;   // top-left corner in window pixels
  SIZE size;  // the size of the normal image
  UINT normal, pressed, focused;  // the button's own images; 0: none
  UINT hover;       // drawn over the button by the overlay while the pointer is inside; 0: none
  int hoverInset;   // the hover area is the button's rectangle shrunk by this on each side
};

}  // namespace skin
