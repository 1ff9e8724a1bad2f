#include "ui/main/version_line.h"

#include <windows.h>

#include <iterator>

#include "card/tables/version_table.h"

namespace main_window {

std::wstring VersionLineText(const wchar_t* label, const char* value) {
  // Each byte of a stored value gives at most one UTF-16 unit; the buffer also holds the terminator.
  wchar_t wide[card::kVersionValueMax + 1] = {};
  if (::MultiByteToWideChar(CP_ACP, 0, value, -1, wide, static_cast<int>(std::size(wide))) == 0) wide[0] = L'\0';
  return std::wstring(label) + L": " + wide;
}

}  // namespace main_window
