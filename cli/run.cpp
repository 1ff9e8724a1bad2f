#include "cli/run.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "card/core/setting_assignment.h"
#include "card/core/setting_rows.h"
#include "card/core/settings_description.h"
#include "cli/commands.h"
#include "cli/dqcard_version.h"
#include "cli/report.h"

namespace cli {
namespace {

constexpr char kProgramHelp[] =
    "Exit status: 0 done; 1 usage error, bad profile or refused value (nothing written); 2 no card, or more\n"
    "than one without --card; 3 a file could not be read or written; 4 config.txt did not read back as\n"
    "written.\n";

struct OptionSpelling {
  Option option;
  const char* name;
};
constexpr OptionSpelling kSpellings[] = {{kOptionCard, "--card"},      {kOptionJson, "--json"},
                                         {kOptionDryRun, "--dry-run"}, {kOptionNoClock, "--no-clock"},
                                         {kOptionForce, "--force"},    {kOptionAll, "--all"}};

std::string ProgramHelp() {
  std::string help =
      "usage: dqcard [--card PATH] COMMAND [OPTIONS] [ARGUMENTS]\n"
      "Reads and writes the settings of a DQ-918LX dash camera on its memory card.\n\nCommands:\n";
  for (const Command& command : Commands()) {
    help += "  " + std::string(command.name) + std::string(8 - std::string_view(command.name).size(), ' ') +
            command.summary + "\n";
  }
  return help +
         "\nOptions may stand anywhere; -- ends them.\n"
         "  --card PATH  the card's volume root or its DQ-918LX_Parameter folder (default: the one card found)\n"
         "  --help       this help, or a command's help (dqcard set --help)\n"
         "  --version    the program's version\n\n" +
         kProgramHelp;
}

// Every setting with the values it takes, for the help of the commands that write.
std::string SettingsHelp() {
  std::string help = "\nSettings and their values:\n";
  for (const card::SettingRow row : card::kSettingRows) {
    help += "  " + std::string(card::kSettingKeys[row]) + ": ";
    if (!card::IsOfferedByWindow(row)) help += "any number";
    bool first = true;
    for (const card::OfferedValue& entry : card::OfferedValues(row)) {
      help += (first ? "" : ", ") + card::DescribeValue(row, entry.value);
      first = false;
    }
    help += "\n";
  }
  return help;
}

std::string CommandHelp(const Command& command) {
  std::string summary = command.summary;
  summary[0] = static_cast<char>(summary[0] - 'a' + 'A');  // summaries start with a lower-case letter
  std::string help = "usage: " + std::string(command.usage) + "\n" + summary + ".\n\n" + command.details;
  if (command.options & kOptionForce) help += SettingsHelp();
  return help;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& command : Commands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

ExitStatus UsageError(const std::string& message) {
  Report({ExitStatus::kUsage, message});
  std::fputs("See dqcard --help.\n", stderr);
  return ExitStatus::kUsage;
}

// Options and operands that the command does not take; empty when all is well.
std::string Misuse(const Command& command, const Invocation& invocation) {
  const unsigned foreign = invocation.options & ~(command.options | kOptionHelp | kOptionVersion);
  for (const OptionSpelling& spelling : kSpellings) {
    if (foreign & spelling.option) return std::string(command.name) + " does not take " + spelling.name;
  }
  if (invocation.cards.size() > 1 && !(command.options & kOptionAll)) {
    return std::string(command.name) + " takes one --card";
  }
  if (invocation.Has(kOptionAll) && !invocation.cards.empty()) return "--all and --card exclude each other";
  const int count = static_cast<int>(invocation.operands.size());
  if (count < command.minOperands) return std::string(command.name) + ": missing arguments";
  if (command.maxOperands >= 0 && count > command.maxOperands) {
    return std::string(command.name) + ": unexpected argument \"" + invocation.operands[command.maxOperands] + "\"";
  }
  return {};
}

ExitStatus Dispatch(const Invocation& invocation) {
  if (invocation.Has(kOptionVersion)) {
    Print("dqcard " DQCARD_VERSION "\n");
    return ExitStatus::kDone;
  }
  std::string name = invocation.command;
  bool help = invocation.Has(kOptionHelp);
  if (name == "help") {
    help = true;
    name = invocation.operands.empty() ? "" : invocation.operands.front();
  }
  if (name.empty()) {
    if (!help) return UsageError("no command given");
    Print(ProgramHelp());
    return ExitStatus::kDone;
  }
  const Command* command = FindCommand(name);
  if (!command) return UsageError("unknown command \"" + name + "\"");
  if (help) {
    Print(CommandHelp(*command));
    return ExitStatus::kDone;
  }
  if (const std::string misuse = Misuse(*command, invocation); !misuse.empty()) return UsageError(misuse);
  return command->run(invocation);
}

}  // namespace

int Run(std::span<const std::string> arguments) {
  const auto parsed = ParseArguments(arguments);
  ExitStatus status = std::holds_alternative<Failure>(parsed) ? UsageError(std::get<Failure>(parsed).message)
                                                              : Dispatch(std::get<Invocation>(parsed));
  // A full disk or a closed pipe must not pass for success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    status = std::max(status, Report({ExitStatus::kCardFile, "standard output: write error"}));
  }
  return StatusCode(status);
}

}  // namespace cli
