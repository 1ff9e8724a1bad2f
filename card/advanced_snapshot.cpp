#include "card/advanced_snapshot.h"

#include <algorithm>

namespace card {
namespace {

AdvancedValues g_snapshot = {};

}  // namespace

void StoreAdvancedSnapshot(const int32_t (&values)[10]) { std::copy(values, values + 10, g_snapshot); }

void LoadAdvancedSnapshot(int32_t (&values)[10]) { std::copy(g_snapshot, g_snapshot + 10, values); }

}  // namespace card
