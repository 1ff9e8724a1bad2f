#include "ui/skin/skin_scale.h"

namespace skin {

SkinScale ChooseSkinScale(int dpi, int workAreaHeight, std::span<const int, kSkinScaleCount> mainWindowHeights) {
  for (size_t i = kSkinScaleCount; i-- > 1;) {
    // A set's own DPI is 96 x percent / 100; compared without division, so 120 takes 125 % exactly.
    const bool drawnForThisDpi = kSkinScalePercents[i] * 96 <= dpi * 100;
    if (drawnForThisDpi && mainWindowHeights[i] <= workAreaHeight) return SkinScale{i};
  }
  return SkinScale{};
}

}  // namespace skin
