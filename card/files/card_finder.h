// Finding camera cards among the mounted volumes, for tools that may see several.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace card {

// The volume roots that hold a card, sorted: on Linux the mount points at or under /media/USER,
// /run/media/USER (USER from the password database) and /mnt; on macOS the volumes under /Volumes; on
// Windows the drives A:\ to Z:\. A root holds a card when its Card folder holds config.txt, ver.txt or the
// tool's own program file.
std::vector<std::string> FindCards();

// Whether the volume root `root` holds a card, as FindCards decides it.
bool HoldsCard(std::string_view root);

// The Card folder on the volume root `root` (with or without a trailing separator).
std::string CardFolderIn(std::string_view root);

// The mount points of a Linux mount table (the text of /proc/self/mounts, with its octal escapes) that lie
// at or under one of `bases`.
std::vector<std::string> MountPointsUnder(std::string_view mountTable, const std::vector<std::string>& bases);

}  // namespace card
