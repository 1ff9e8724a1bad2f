#include "ui/skin/nine_slice.h"

#include <cstdint>

#include "framework/gdi.h"
#include "ui/skin/gdi_coordinates.h"

namespace skin {
namespace {

// A destination from 64-bit edges: left and top clamped to the GDI range, and so are right and bottom, so that a
// band reaching far beyond the window still draws its visible part in place.
RECT Destination(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
  const int l = ClampToGdi(left), t = ClampToGdi(top);
  return RECT{l, t, ClampToGdi(left + width) - l, ClampToGdi(top + height) - t};
}

}  // namespace

std::array<BlitPiece, 9> NineSlicePieces(SIZE image, const RECT& band) {
  const int w = image.cx, h = image.cy;
  const int cw = w / 3, ch = h / 3;
  const int mw = w - 2 * cw, mh = h - 2 * ch;
  // The band's edges are card-driven (the slider's Thumb can stand anywhere): 64-bit from here on.
  const std::int64_t l = band.left, t = band.top, r = band.right, b = band.bottom;
  const std::int64_t bandMiddleWidth = (r - l) - 2 * cw, bandMiddleHeight = (b - t) - 2 * ch;
  return {{
      {Destination(l, t, cw, ch), {0, 0, cw, ch}, false},
      {Destination(r - cw, t, cw, ch), {w - cw, 0, cw, ch}, false},
      {Destination(l, b - ch, cw, ch), {0, h - ch, cw, ch}, false},
      {Destination(r - cw, b - ch, cw, ch), {w - cw, h - ch, cw, ch}, false},
      {Destination(l + cw, t, bandMiddleWidth, ch), {cw, 0, mw, ch}, true},
      {Destination(l + cw, b - ch, bandMiddleWidth, ch), {cw, h - ch, mw, ch}, true},
      {Destination(l, t + ch, cw, bandMiddleHeight), {0, ch, cw, mh}, true},
      {Destination(r - cw, t + ch, cw, bandMiddleHeight), {w - cw, ch, cw, mh}, true},
      {Destination(l + cw, t + ch, bandMiddleWidth, bandMiddleHeight), {cw, ch, mw, mh}, true},
  }};
}

void DrawNineSlice(HDC target, HBITMAP image, const RECT& band) {
  if (!image) return;
  const SIZE size = fw::BitmapSize(image);
  fw::MemoryDC memory(target);
  if (!memory) return;
  fw::ScopedSelect select(memory.get(), image);
  for (const BlitPiece& piece : NineSlicePieces(size, band)) {
    const RECT& d = piece.destination;
    const RECT& s = piece.source;
    if (!piece.stretched) {
      ::BitBlt(target, d.left, d.top, d.right, d.bottom, memory.get(), s.left, s.top, SRCCOPY);
    } else if (d.right > 0 && d.bottom > 0) {
      // A negative destination width would mirror the source into the neighbouring piece.
      ::StretchBlt(target, d.left, d.top, d.right, d.bottom, memory.get(), s.left, s.top, s.right, s.bottom, SRCCOPY);
    }
  }
}

}  // namespace skin
