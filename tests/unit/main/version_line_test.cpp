// The model and firmware lines of the main window.
#include "ui/main/version_line.h"

#include <gtest/gtest.h>

#include "card/tables/version_table.h"

TEST(VersionLine, TheLongestValueKeptConvertsWhole) {
  const std::string longest(card::kVersionValueMax, 'F');
  EXPECT_EQ(main_window::VersionLineText(L"Firmware", longest.c_str()), L"Firmware: " + std::wstring(63, L'F'));
}
