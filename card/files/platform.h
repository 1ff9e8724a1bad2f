// What the card core needs from the operating system, behind one seam: platform_windows.cpp or
// platform_posix.cpp is built. Paths are UTF-8.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "card/files/card_paths.h"
#include "card/files/safe_replace.h"

namespace card::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// fopen with a UTF-8 path; nullptr with errno set on failure. Card files are always opened in binary mode:
// the text-mode rules are the core's own (card_text.h).
FILE* OpenFile(const char* path, const char* mode);

bool PathExists(const char* path);

// Whether the system's reason says the medium (or the user's quota on it) is full: the safe replace then
// rewrites the file in place.
bool IsNoSpace(std::error_code error);

// The platform's safe replace of `path` with `bytes` (see ReplaceCardFile).
std::error_code SafeReplace(const char* path, std::string_view bytes, ProtectedFile protectedFile);

// Roots of the mounted volumes on which a card may be (FindCards).
std::vector<std::string> VolumeRoots();

#ifdef _WIN32
// The UTF-16 form of a path, zero-filled; empty when it does not fit or is not UTF-8.
void WidenPath(const char* path, wchar_t (&wide)[kPathCapacity]);
#endif

}  // namespace card::platform
