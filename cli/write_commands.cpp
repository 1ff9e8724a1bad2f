// set, clock, diff and apply: the commands that change a card, or show how they would.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/card_choice.h"
#include "cli/commands.h"
#include "card/core/profile_text.h"
#include "cli/report.h"

namespace cli {
namespace {

// The card's values after the assignments, its values before, and where it is.
struct PlannedChange {
  CardPlace place;
  card::SettingValues before;
  card::SettingValues after;
};

std::variant<PlannedChange, Failure> Plan(const std::variant<CardPlace, Failure>& chosen,
                                          const std::vector<card::Assignment>& assignments) {
  if (const Failure* failure = std::get_if<Failure>(&chosen)) return *failure;
  const CardPlace& place = std::get<CardPlace>(chosen);
  auto content = ReadCard(place);
  if (const Failure* failure = std::get_if<Failure>(&content)) return *failure;
  PlannedChange change{place, std::get<CardContent>(content).values, {}};
  change.after = change.before;
  card::ApplyAssignments(assignments, change.after);
  return change;
}

// A refused assignment as dqcard says it: a value no window offers can be forced.
std::string RefusalLine(const card::AssignmentError& error) {
  return error.reason + (error.notOffered ? "; --force writes it anyway" : "");
}

// Every bad line of the profile on standard error; usage status when there was one.
std::variant<std::vector<card::Assignment>, ExitStatus> LoadProfile(const Invocation& invocation) {
  const std::string& path = invocation.operands.front();
  auto text = ReadWholeFile(path);
  if (const Failure* failure = std::get_if<Failure>(&text)) return Report(*failure);
  const std::string name = path == "-" ? "standard input" : path;
  card::Profile profile = card::ParseProfile(std::get<std::string>(text), name, invocation.Has(kOptionForce));
  for (const card::AssignmentError& error : profile.errors) Report({ExitStatus::kUsage, RefusalLine(error)});
  if (!profile.errors.empty()) return ExitStatus::kUsage;
  return std::move(profile.assignments);
}

}  // namespace

ExitStatus RunSet(const Invocation& invocation) {
  std::vector<card::Assignment> assignments;
  bool refused = false;
  for (const std::string& operand : invocation.operands) {
    auto parsed = card::ParseAssignment(operand, invocation.Has(kOptionForce));
    if (const card::AssignmentError* error = std::get_if<card::AssignmentError>(&parsed)) {
      refused = true;
      Report({ExitStatus::kUsage, RefusalLine(*error)});
    } else {
      assignments.push_back(std::get<card::Assignment>(parsed));
    }
  }
  if (refused) return ExitStatus::kUsage;

  auto planned = Plan(ChooseOneCard(invocation), assignments);
  if (const Failure* failure = std::get_if<Failure>(&planned)) return Report(*failure);
  const PlannedChange& change = std::get<PlannedChange>(planned);
  Print(ChangeLines(change.before, change.after));
  if (invocation.Has(kOptionDryRun)) return ExitStatus::kDone;
  // Written even when nothing changed, as the windows' OK does: the clock and the check still count.
  if (Outcome failure = WriteCard(change.place, change.after, !invocation.Has(kOptionNoClock))) {
    return Report(*failure);
  }
  return ExitStatus::kDone;
}

ExitStatus RunClock(const Invocation& invocation) {
  auto place = ChooseOneCard(invocation);
  if (const Failure* failure = std::get_if<Failure>(&place)) return Report(*failure);
  if (Outcome failure = WriteClock(std::get<CardPlace>(place))) return Report(*failure);
  return ExitStatus::kDone;
}

ExitStatus RunDiff(const Invocation& invocation) {
  auto assignments = LoadProfile(invocation);
  if (const ExitStatus* status = std::get_if<ExitStatus>(&assignments)) return *status;
  auto planned = Plan(ChooseOneCard(invocation), std::get<std::vector<card::Assignment>>(assignments));
  if (const Failure* failure = std::get_if<Failure>(&planned)) return Report(*failure);
  Print(ChangeLines(std::get<PlannedChange>(planned).before, std::get<PlannedChange>(planned).after));
  return ExitStatus::kDone;
}

ExitStatus RunApply(const Invocation& invocation) {
  auto assignments = LoadProfile(invocation);
  if (const ExitStatus* status = std::get_if<ExitStatus>(&assignments)) return *status;
  auto paths = ChooseCardPaths(invocation);
  if (const Failure* failure = std::get_if<Failure>(&paths)) return Report(*failure);

  ExitStatus worst = ExitStatus::kDone;
  for (const std::string& path : std::get<std::vector<std::string>>(paths)) {
    auto planned = Plan(PlaceCard(path), std::get<std::vector<card::Assignment>>(assignments));
    Outcome failure;
    if (const Failure* planFailure = std::get_if<Failure>(&planned)) {
      failure = *planFailure;
    } else {
      const PlannedChange& change = std::get<PlannedChange>(planned);
      failure = WriteCard(change.place, change.after, !invocation.Has(kOptionNoClock));
    }
    if (failure) {
      Report(*failure);
      worst = std::max(worst, failure->status);
      Print(path + ": failed: " + failure->message + "\n");
    } else {
      Print(path + ": ok\n");
    }
  }
  return worst;
}

}  // namespace cli
