#include "ui/skin/window_region.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace skin {
namespace {

fw::UniqueRegion RegionFromRects(const std::vector<RECT>& rects, LONG width, LONG height,
                                 RegionFromDataFn makeRegion) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{0, 0, width, height};
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return fw::UniqueRegion(makeRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

}  // namespace

fw::UniqueRegion RegionFromBitmap(HBITMAP bitmap, RegionFromDataFn makeRegion) {
  const SIZE size = fw::BitmapSize(bitmap);
  const LONG width = size.cx, height = size.cy;
  if (width <= 0 || height <= 0) return RegionByPixelQuery(bitmap);

  // The rows are copied out top-down in one call rather than read in place: GetObjectW reports a DIB
  // section's height as positive whichever way up its rows are stored (seen under Wine 8), so the
  // section's memory alone cannot tell which row is the top. A 24-bit section copies without conversion.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const LONG stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> bits(static_cast<size_t>(stride) * static_cast<size_t>(height));
  {
    fw::MemoryDC screen(nullptr);
    if (!screen ||
        ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS) != height)
      return RegionByPixelQuery(bitmap);
  }

  std::vector<RECT> rects;
  rects.reserve(static_cast<size_t>(height) * 2);
  for (LONG y = 0; y < height; ++y) {
    const std::uint8_t* row = bits.data() + static_cast<ptrdiff_t>(y) * stride;
    // Pixels are stored blue, green, red.
    auto isKey = [row](LONG x) {
      const std::uint8_t* pixel = row + static_cast<ptrdiff_t>(x) * 3;
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
  // Without a region the window would lose its outline and show its key-colour corners.
  fw::UniqueRegion region = RegionFromRects(rects, width, height, makeRegion);
  return region ? std::move(region) : RegionByPixelQuery(bitmap);
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
