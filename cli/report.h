// What dqcard prints: errors on standard error, results and changes on standard output.
#pragma once

#include <string>
#include <string_view>

#include "cli/failure.h"
#include "card/core/setting_rows.h"

namespace cli {

// "dqcard: MESSAGE" on standard error, shown safely (TerminalText); returns the failure's status.
ExitStatus Report(const Failure& failure);

// `text` on standard output, shown safely (TerminalText): a card's texts and paths may hold any bytes.
void Print(std::string_view text);

// "Key: old -> new" for every row that differs, in table order, names in parentheses where they exist.
std::string ChangeLines(const card::SettingValues& before, const card::SettingValues& after);

}  // namespace cli
