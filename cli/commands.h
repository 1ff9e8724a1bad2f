// The commands of dqcard: what each accepts, its help, and the function that runs it.
#pragma once

#include <span>

#include "cli/arguments.h"
#include "cli/failure.h"

namespace cli {

struct Command {
  const char* name;
  unsigned options;  // the Option bits it accepts besides --help
  int minOperands;
  int maxOperands;  // -1: no limit
  const char* usage;
  const char* summary;  // one line for the program's help
  const char* details;  // the rest of its own help
  ExitStatus (*run)(const Invocation& invocation);
};

std::span<const Command> Commands();

ExitStatus RunCards(const Invocation& invocation);
ExitStatus RunShow(const Invocation& invocation);
ExitStatus RunExport(const Invocation& invocation);
ExitStatus RunSet(const Invocation& invocation);
ExitStatus RunClock(const Invocation& invocation);
ExitStatus RunDiff(const Invocation& invocation);
ExitStatus RunApply(const Invocation& invocation);

}  // namespace cli
