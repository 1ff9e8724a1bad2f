// A bitmap resource of the running program decoded as the program decodes it, into a DIB section, with direct
// access to its pixels.
#pragma once

#include <windows.h>

#include <cstdint>

namespace dq::test {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kKeyColour{255, 0, 255};

class LoadedBitmap {
public:
    explicit LoadedBitmap(int id);
    ~LoadedBitmap();
    LoadedBitmap(const LoadedBitmap&) = delete;
    LoadedBitmap& operator=(const LoadedBitmap&) = delete;

    bool loaded() const { return bitmap_ != nullptr; }
    int width() const { return section_.dsBm.bmWidth; }
    int height() const { return section_.dsBm.bmHeight; }
    int bits_per_pixel() const { return section_.dsBm.bmBitsPixel; }
    // (0, 0) is the top-left pixel, as the window shows it. Only for 24-bit images.
    Rgb pixel(int x, int y) const;

private:
    HBITMAP bitmap_ = nullptr;
    DIBSECTION section_{};
};

} // namespace dq::test
