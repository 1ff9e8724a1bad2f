#include "card/files/card_finder.h"

#include <algorithm>

#include "card/files/card_paths.h"
#include "card/files/platform.h"

namespace card {
namespace {

bool EndsWithSeparator(std::string_view path) {
  return !path.empty() && (path.back() == platform::kPathSeparator || path.back() == '/');
}

// The mount table writes space, tab, newline and backslash in a path as a backslash and three octal digits.
std::string UnescapeMountPath(std::string_view field) {
  std::string path;
  for (size_t i = 0; i < field.size(); ++i) {
    const auto octal = [&](size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
    if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
      path += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      path += field[i];
    }
  }
  return path;
}

// The second field of a mount table line.
std::string_view MountPointField(std::string_view line) {
  const size_t start = line.find(' ');
  if (start == std::string_view::npos) return {};
  const size_t end = line.find(' ', start + 1);
  return line.substr(start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1);
}

bool IsAtOrUnder(std::string_view path, std::string_view base) {
  if (base.empty() || !path.starts_with(base)) return false;
  return path.size() == base.size() || path[base.size()] == '/' || base.back() == '/';
}

}  // namespace

std::string CardFolderIn(std::string_view root) {
  std::string folder(root);
  if (!EndsWithSeparator(folder)) folder += platform::kPathSeparator;
  return folder + kCardFolderName;
}

bool HoldsCard(std::string_view root) {
  const std::string folder = CardFolderIn(root) + platform::kPathSeparator;
  for (const char* name : {"config.txt", "ver.txt", "DQ_configure.exe"}) {
    if (platform::PathExists((folder + name).c_str())) return true;
  }
  return false;
}

std::vector<std::string> FindCards() {
  std::vector<std::string> cards;
  for (const std::string& root : platform::VolumeRoots()) {
    if (HoldsCard(root)) cards.push_back(root);
  }
  std::sort(cards.begin(), cards.end());
  cards.erase(std::unique(cards.begin(), cards.end()), cards.end());
  return cards;
}

std::vector<std::string> MountPointsUnder(std::string_view mountTable, const std::vector<std::string>& bases) {
  std::vector<std::string> points;
  while (!mountTable.empty()) {
    const size_t end = mountTable.find('\n');
    const std::string_view line = mountTable.substr(0, end);
    mountTable = end == std::string_view::npos ? std::string_view() : mountTable.substr(end + 1);
    const std::string point = UnescapeMountPath(MountPointField(line));
    if (std::any_of(bases.begin(), bases.end(), [&](const std::string& base) { return IsAtOrUnder(point, base); })) {
      points.push_back(point);
    }
  }
  return points;
}

}  // namespace card
