#include "card/card_state.h"

#include "card/advanced_snapshot.h"
#include "card/card_paths.h"
#include "card/settings_table.h"
#include "card/version_table.h"

namespace card {

void ClearCardState() {
  ClearSettings();
  ClearVersionValues();
  const int32_t zeros[kAdvancedCount] = {};
  StoreAdvancedSnapshot(zeros);
  ClearCardPaths();
}

}  // namespace card
