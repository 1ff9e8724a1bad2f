#include "card/tables/advanced_snapshot.h"

#include <algorithm>

namespace card {
namespace {

AdvancedValues g_snapshot = {};

}  // namespace

void StoreAdvancedSnapshot(const AdvancedValues& values) { std::copy(values, values + kAdvancedCount, g_snapshot); }

void LoadAdvancedSnapshot(AdvancedValues& values) { std::copy(g_snapshot, g_snapshot + kAdvancedCount, values); }

}  // namespace card
