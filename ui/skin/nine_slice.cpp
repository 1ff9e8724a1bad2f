#include "ui/skin/nine_slice.h"

#include "framework/gdi.h"

namespace skin {

std::array<BlitPiece, 9> NineSlicePieces(SIZE image, const RECT& band) {
  const int w = image.cx, h = image.cy;
  const int cw = w / 3, ch = h / 3;
  const int mw = w - 2 * cw, mh = h - 2 * ch;
  const int l = band.left, t = band.top, r = band.right, b = band.bottom;
  const int bandMiddleWidth = (r - l) - 2 * cw, bandMiddleHeight = (b - t) - 2 * ch;
  return {{
      {{l, t, cw, ch}, {0, 0, cw, ch}, false},
      {{r - cw, t, cw, ch}, {w - cw, 0, cw, ch}, false},
      {{l, b - ch, cw, ch}, {0, h - ch, cw, ch}, false},
      {{r - cw, b - ch, cw, ch}, {w - cw, h - ch, cw, ch}, false},
      {{l + cw, t, bandMiddleWidth, ch}, {cw, 0, mw, ch}, true},
      {{l + cw, b - ch, bandMiddleWidth, ch}, {cw, h - ch, mw, ch}, true},
      {{l, t + ch, cw, bandMiddleHeight}, {0, ch, cw, mh}, true},
      {{r - cw, t + ch, cw, bandMiddleHeight}, {w - cw, ch, cw, mh}, true},
      {{l + cw, t + ch, bandMiddleWidth, bandMiddleHeight}, {cw, ch, mw, mh}, true},
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
