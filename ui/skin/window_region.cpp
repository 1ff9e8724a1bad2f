#include "ui/skin/window_region.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace skin {
namespace {

fw::UniqueRegion RegionFromRects(const std::vector<RECT>& rects, LONG width, LONG height) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{0, 0, width, height};
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return fw::UniqueRegion(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

}  // namespace

fw::UniqueRegion RegionFromBitmap(HBITMAP bitmap) {
  DIBSECTION section{};
  if (::GetObjectW(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits ||
      (section.dsBm.bmBitsPixel != 24 && section.dsBm.bmBitsPixel != 32))
    return RegionByPixelQuery(bitmap);

  const LONG width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
  const int bytesPerPixel = section.dsBm.bmBitsPixel / 8;
  const LONG stride = section.dsBm.bmWidthBytes;
  const bool bottomUp = section.dsBmih.biHeight > 0;
  const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
  ::GdiFlush();  // the section's bits must be current before they are read directly

  std::vector<RECT> rects;
  rects.reserve(static_cast<size_t>(height) * 2);
  for (LONG y = 0; y < height; ++y) {
    const std::uint8_t* row = bits + static_cast<ptrdiff_t>(bottomUp ? height - 1 - y : y) * stride;
    // Pixels are stored blue, green, red.
    auto isKey = [&](LONG x) {
      const std::uint8_t* pixel = row + static_cast<ptrdiff_t>(x) * bytesPerPixel;
      return pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
    };
    for (LONG x = 0; x < width;) {
      while (x < width && isKey(x)) ++x;
      if (x >= width) break;
      const LONG start = x;
      while (x < width && !isKey(x)) ++x;
      rects.push_back(RECT{start, y, x, y + 1});
    }
  }
  return RegionFromRects(rects, width, height);
}

fw::UniqueRegion RegionByPixelQuery(HBITMAP bitmap) {
  const SIZE size = fw::BitmapSize(bitmap);
  fw::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  fw::MemoryDC memory(nullptr);
  if (!memory || !region) return region;
  fw::ScopedSelect select(memory.get(), bitmap);
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx;) {
      while (x < size.cx && ::GetPixel(memory.get(), x, y) == kKeyColour) ++x;
      if (x >= size.cx) break;
      const int start = x;
      while (x < size.cx && ::GetPixel(memory.get(), x, y) != kKeyColour) ++x;
      fw::UniqueRegion run(::CreateRectRgn(start, y, x, y + 1));
      ::CombineRgn(region.get(), region.get(), run.get(), RGN_OR);
    }
  }
  return region;
}

}  // namespace skin
