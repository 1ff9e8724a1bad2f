// cards, show and export: they only read.
#include <string>

#include "card/core/profile_text.h"
#include "card/core/setting_assignment.h"
#include "card/core/setting_rows.h"
#include "card/core/settings_description.h"
#include "cli/card_choice.h"
#include "cli/commands.h"
#include "cli/escaped_text.h"
#include "cli/report.h"

namespace cli {
namespace {

std::variant<std::pair<CardPlace, CardContent>, Failure> ReadChosenCard(const Invocation& invocation) {
  auto place = ChooseOneCard(invocation);
  if (const Failure* failure = std::get_if<Failure>(&place)) return *failure;
  auto content = ReadCard(std::get<CardPlace>(place));
  if (const Failure* failure = std::get_if<Failure>(&content)) return *failure;
  return std::pair{std::get<CardPlace>(place), std::get<CardContent>(content)};
}

std::string ShowJson(const CardPlace& place, const CardContent& content) {
  std::string json = "{\"card\": " + JsonString(place.shown) + ", \"model\": " + JsonString(content.model) +
                     ", \"firmware\": " + JsonString(content.firmware) + ", \"settings\": [";
  for (const card::SettingRow row : card::kSettingRows) {
    const char* name = card::NameOfValue(row, content.values[row]);
    json += std::string(row ? "," : "") + "\n  {\"key\": " + JsonString(card::kSettingKeys[row]) +
            ", \"value\": " + std::to_string(content.values[row]) +
            ", \"name\": " + (name ? JsonString(name) : "null") + "}";
  }
  return json + "\n]}\n";
}

std::string ShowText(const CardPlace& place, const CardContent& content) {
  std::string text = "Card: " + place.shown + "\nModel: " + content.model + "\nFirmware: " + content.firmware + "\n";
  for (const card::SettingRow row : card::kSettingRows) {
    text += std::string(card::kSettingKeys[row]) + ": " + card::DescribeValue(row, content.values[row]) + "\n";
  }
  return text;
}

}  // namespace

ExitStatus RunCards(const Invocation&) {
  const std::vector<std::string> roots = FindCardRoots();
  if (roots.empty()) return Report({ExitStatus::kNoCard, "no card found"});
  for (const std::string& root : roots) Print(root + "\n");
  return ExitStatus::kDone;
}

ExitStatus RunShow(const Invocation& invocation) {
  auto read = ReadChosenCard(invocation);
  if (const Failure* failure = std::get_if<Failure>(&read)) return Report(*failure);
  const auto& [place, content] = std::get<0>(read);
  if (content.versionFailure) return Report(*content.versionFailure);
  if (content.settingsMissing)
    Report({ExitStatus::kDone, place.settingsFile + ": missing, the camera's defaults shown"});
  Print(invocation.Has(kOptionJson) ? ShowJson(place, content) : ShowText(place, content));
  return ExitStatus::kDone;
}

ExitStatus RunExport(const Invocation& invocation) {
  auto read = ReadChosenCard(invocation);
  if (const Failure* failure = std::get_if<Failure>(&read)) return Report(*failure);
  const CardContent& content = std::get<0>(read).second;
  Print(card::FormatProfile(content.values));
  return ExitStatus::kDone;
}

}  // namespace cli
