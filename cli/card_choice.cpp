#include "cli/card_choice.h"

namespace cli {
namespace {

std::variant<std::string, Failure> TheOneCardFound() {
  const std::vector<std::string> found = FindCardRoots();
  if (found.empty()) return Failure{ExitStatus::kNoCard, "no card found; name one with --card PATH"};
  if (found.size() == 1) return found.front();
  std::string message = "more than one card found; name one with --card PATH:";
  for (const std::string& root : found) message += "\n" + root;
  return Failure{ExitStatus::kNoCard, message};
}

}  // namespace

std::variant<CardPlace, Failure> ChooseOneCard(const Invocation& invocation) {
  if (!invocation.cards.empty()) return PlaceCard(invocation.cards.front());
  auto found = TheOneCardFound();
  if (const Failure* failure = std::get_if<Failure>(&found)) return *failure;
  return PlaceCard(std::get<std::string>(found));
}

std::variant<std::vector<std::string>, Failure> ChooseCardPaths(const Invocation& invocation) {
  if (!invocation.cards.empty()) return invocation.cards;
  if (invocation.Has(kOptionAll)) {
    std::vector<std::string> found = FindCardRoots();
    if (found.empty()) return Failure{ExitStatus::kNoCard, "no card found"};
    return found;
  }
  auto found = TheOneCardFound();
  if (const Failure* failure = std::get_if<Failure>(&found)) return *failure;
  return std::vector<std::string>{std::get<std::string>(found)};
}

}  // namespace cli
