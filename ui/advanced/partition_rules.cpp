#include "ui/advanced/partition_rules.h"

#include <algorithm>
#include <limits>

namespace advanced {
namespace {

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t TerritoryFromSliderPosition(int position) { return Saturate((int64_t{position} + 5) / 10); }

int SnappedSliderPosition(int32_t territory) { return Saturate(int64_t{territory} * 10); }

}  // namespace advanced
