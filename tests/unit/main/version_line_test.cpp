// The model and firmware lines of the main window.
#include "ui/main/version_line.h"

#include <gtest/gtest.h>

#include <string>

#include "card/version_table.h"

namespace main_window {
namespace {

TEST(VersionLine, TheLongestValueKeptConvertsWhole) {
  const std::string longest(card::kVersionValueMax, 'F');
  EXPECT_EQ(VersionLineText(L"Firmware", longest.c_str()), L"Firmware: " + std::wstring(longest.size(), L'F'));
  EXPECT_EQ(VersionLineText(L"Model", ""), L"Model: ");
}

}  // namespace
}  // namespace main_window
