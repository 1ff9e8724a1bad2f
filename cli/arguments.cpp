#include "cli/arguments.h"

namespace cli {
namespace {

struct OptionName {
  const char* name;
  Option option;
};

constexpr OptionName kOptions[] = {
    {"--card", kOptionCard},        {"--json", kOptionJson},   {"--dry-run", kOptionDryRun},
    {"--no-clock", kOptionNoClock}, {"--force", kOptionForce}, {"--all", kOptionAll},
    {"--help", kOptionHelp},        {"-h", kOptionHelp},       {"--version", kOptionVersion},
};

Failure UsageError(std::string message) { return Failure{ExitStatus::kUsage, std::move(message)}; }

const OptionName* FindOption(const std::string& name) {
  for (const OptionName& entry : kOptions) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

}  // namespace

std::variant<Invocation, Failure> ParseArguments(std::span<const std::string> arguments) {
  Invocation invocation;
  bool optionsEnded = false;
  std::vector<std::string> operands;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const OptionName* option = FindOption(name);
    if (!option) return UsageError("unknown option " + name);
    if (option->option == kOptionCard) {
      if (equals != std::string::npos) {
        invocation.cards.push_back(argument.substr(equals + 1));
      } else if (i + 1 < arguments.size()) {
        invocation.cards.push_back(arguments[++i]);
      } else {
        return UsageError("--card needs a path");
      }
      if (invocation.cards.back().empty()) return UsageError("--card needs a path");
    } else if (equals != std::string::npos) {
      return UsageError("option " + name + " takes no value");
    }
    invocation.options |= option->option;
  }
  if (!operands.empty()) {
    invocation.command = operands.front();
    invocation.operands.assign(operands.begin() + 1, operands.end());
  }
  return invocation;
}

}  // namespace cli
