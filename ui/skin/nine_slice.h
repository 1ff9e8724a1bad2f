// Nine-slice drawing: an image's four corners copied unscaled, its edges and centre stretched to fill
// a band, so that a small image covers a band of any length without stretching its ends.
#pragma once

#include <windows.h>

#include <array>

namespace skin {

struct BlitPiece {
  RECT destination;  // left, top, width, height (not right and bottom)
  RECT source;       // likewise, in the image
  bool stretched;    // false: BitBlt, true: StretchBlt
};

// The nine copies for an image of `image` pixels into `band`, in drawing order: the four corners
// (top-left, top-right, bottom-left, bottom-right), the top, bottom, left and right edges, the centre.
// Corners are a third of the image each way. A band narrower than its two corners gives overlapping
// corners and a negative middle; that piece then draws nothing and the corners stay within the band's rows.
// Any band of int coordinates is safe: every destination edge is clamped to the range GDI handles.
std::array<BlitPiece, 9> NineSlicePieces(SIZE image, const RECT& band);

// Draws `image` into `band` of `target` by those pieces; an empty image draws nothing.
void DrawNineSlice(HDC target, HBITMAP image, const RECT& band);

}  // namespace skin
