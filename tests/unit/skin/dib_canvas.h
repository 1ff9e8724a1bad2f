// A 24-bit top-down DIB section whose pixels tests set and read directly, and draw into through a
// memory context only while Draw runs (a bitmap can be selected into one context at a time).
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/gdi.h"

class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF fill, bool bottomUp = false, int bitsPerPixel = 24)
      : width_(width), height_(height), bytesPerPixel_(bitsPerPixel / 8) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bottomUp ? height : -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = fw::UniqueBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint8_t*>(bits);
    stride_ = (width * bytesPerPixel_ + 3) & ~3;
    bottomUp_ = bottomUp;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) Set(x, y, fill);
  }

  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  void Set(int x, int y, COLORREF colour) {
    std::uint8_t* pixel = At(x, y);
    pixel[0] = GetBValue(colour);
    pixel[1] = GetGValue(colour);
    pixel[2] = GetRValue(colour);
  }
  COLORREF Get(int x, int y) {
    const std::uint8_t* pixel = At(x, y);
    return RGB(pixel[2], pixel[1], pixel[0]);
  }

  // Runs draw(HDC) with the canvas selected into a memory context, then makes the pixels current.
  template <class Painter>
  void Draw(Painter draw) {
    fw::MemoryDC dc(nullptr);
    {
      fw::ScopedSelect select(dc.get(), bitmap_.get());
      draw(dc.get());
    }
    ::GdiFlush();
  }

 private:
  std::uint8_t* At(int x, int y) {
    const int row = bottomUp_ ? height_ - 1 - y : y;
    return bits_ + static_cast<ptrdiff_t>(row) * stride_ + static_cast<ptrdiff_t>(x) * bytesPerPixel_;
  }

  int width_, height_, bytesPerPixel_;
  int stride_ = 0;
  bool bottomUp_ = false;
  fw::UniqueBitmap bitmap_;
  std::uint8_t* bits_ = nullptr;
};
