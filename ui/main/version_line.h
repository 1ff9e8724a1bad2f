// The text of the main window's model and firmware lines.
#pragma once

#include <string>

namespace main_window {

// "<label>: <value>", the value being narrow text from ver.txt (the system's code page) of at most
// card::kVersionValueMax bytes, converted whole; the line clips at its width only when drawn.
std::wstring VersionLineText(const wchar_t* label, const char* value);

}  // namespace main_window
