// Which of the skin's sets a program run shows: chosen once at start-up from the screen, then handed from the
// application object to the main window and from each window to those it opens.
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>
#include <span>

#include "ui/skin/skin_scales.h"

namespace skin {

inline constexpr size_t kSkinScaleCount = std::size(kSkinScalePercents);

// A set by its place in kSkinScalePercents, which the layouts' kLayouts[] and the bitmaps' resource types
// follow. The default is the 100 % set.
struct SkinScale {
  size_t index = 0;

  constexpr int Percent() const { return kSkinScalePercents[index]; }
  constexpr const wchar_t* ResourceType() const { return kSkinResourceTypes[index]; }
  // A length of the 100 % layout at this scale.
  int Scaled(int pixels) const { return ::MulDiv(pixels, Percent(), 100); }
};

// The entry of `scale` in a generated table with one entry per set; a table of another length does not build.
template <class Layout, size_t N>
constexpr const Layout& AtScale(const Layout (&layouts)[N], SkinScale scale) {
  static_assert(N == kSkinScaleCount, "a layout for every set of the skin");
  return layouts[scale.index];
}

// The set for a screen of `dpi` dots per inch whose work area is `workAreaHeight` pixels high: the largest set
// drawn for at most that DPI (96 at 100 %) whose main window, `mainWindowHeights[i]` high, fits the work area;
// the 100 % set when none fits.
SkinScale ChooseSkinScale(int dpi, int workAreaHeight, std::span<const int, kSkinScaleCount> mainWindowHeights);

}  // namespace skin
