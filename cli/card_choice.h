// Which card or cards a command works on.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/card_session.h"

namespace cli {

// The card named by --card, else the one card found. None, or more than one without --card, is a failure
// (no card) whose message lists the cards found on lines of their own.
std::variant<CardPlace, Failure> ChooseOneCard(const Invocation& invocation);

// For apply: every --card in order, every card found (--all), or the one card found.
std::variant<std::vector<std::string>, Failure> ChooseCardPaths(const Invocation& invocation);

}  // namespace cli
