#include "card/tables/card_state.h"

#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/settings_table.h"
#include "card/tables/version_table.h"

namespace card {

void ClearCardState() {
  ClearSettings();
  ClearVersionValues();
  const int32_t zeros[kAdvancedCount] = {};
  StoreAdvancedSnapshot(zeros);
  ClearCardPaths();
}

}  // namespace card
