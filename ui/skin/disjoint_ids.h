// A check for a window's tables at compile time: no control identifier may stand in two of them, or a click
// would reach two handlers' worth of meaning.
#pragma once

#include <windows.h>

#include <span>

#include "ui/skin/button_layout.h"

namespace skin {

constexpr bool AreDisjoint(std::span<const ButtonLayout> actions, std::span<const UINT> choiceIds) {
  for (size_t i = 0; i < choiceIds.size(); ++i) {
    for (const ButtonLayout& action : actions)
      if (action.id == choiceIds[i]) return false;
    for (size_t j = 0; j < i; ++j)
      if (choiceIds[j] == choiceIds[i]) return false;
  }
  return true;
}

}  // namespace skin
