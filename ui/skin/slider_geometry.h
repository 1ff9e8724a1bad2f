// The skinned slider's arithmetic, kept apart from its window: where the Thumb stands for a position,
// which position a Thumb place means, and how far the Thumb's centre may go. Both directions truncate
// toward zero in double precision, so a position can read back one lower than it was set.
#pragma once

#include <windows.h>

namespace skin {

struct SliderRange {
  int minimum;
  int maximum;
};

// The Thumb's rectangle in slider coordinates for position p; `client` is the slider's client
// rectangle (left and top 0) and `thumb` the Thumb's width and height in the layout arithmetic.
// Any position works, however far beyond the track: the rectangle keeps the Thumb's size and is moved
// into the range GDI handles.
RECT ThumbRectForPosition(const RECT& client, SliderRange range, SIZE thumb, int position);

// The position that the Thumb's window rectangle (in slider coordinates) stands for; `thumbWidth`
// is the same layout width as above, whose half marks the ends of the track.
int PositionFromThumb(const RECT& client, SliderRange range, int thumbWidth, const RECT& thumbRect);

// Keeps a Thumb centre on the track: at least left + half the thumb width, then at most
// right - half of it (the upper bound wins when the two cross).
int ClampThumbCentre(const RECT& client, int thumbWidth, int x);

}  // namespace skin
