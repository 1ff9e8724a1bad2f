// The command line as given: the command, its operands and the options, which may stand anywhere after the
// program's name. "--" ends the options; a lone "-" is an operand (standard input).
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "cli/failure.h"

namespace cli {

enum Option : unsigned {
  kOptionCard = 1u << 0,
  kOptionJson = 1u << 1,
  kOptionDryRun = 1u << 2,
  kOptionNoClock = 1u << 3,
  kOptionForce = 1u << 4,
  kOptionAll = 1u << 5,
  kOptionHelp = 1u << 6,
  kOptionVersion = 1u << 7,
};

struct Invocation {
  std::string command;                // the first operand; empty when there is none
  std::vector<std::string> operands;  // the operands after the command
  std::vector<std::string> cards;     // every --card, in order
  unsigned options = 0;               // the Option bits given

  bool Has(Option option) const { return (options & option) != 0; }
};

// Fails (usage) on an unknown option, a missing --card value or a value given to a flag.
std::variant<Invocation, Failure> ParseArguments(std::span<const std::string> arguments);

}  // namespace cli
