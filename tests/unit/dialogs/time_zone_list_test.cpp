// The picker's list texts, read from the card's table of value names: one blank, "UTC", and the signed
// whole-hour offset (none for UTC itself).
#include "ui/dialogs/time_zone_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using dialogs::TimeZoneText;

std::wstring ExpectedText(int index) {
  const int offset = index - 12;
  if (offset == 0) return L" UTC";
  wchar_t text[16];
  std::swprintf(text, 16, L" UTC%lc%02d:00", offset < 0 ? L'-' : L'+', offset < 0 ? -offset : offset);
  return text;
}

TEST(TimeZoneList, TwentyFiveWholeHourOffsetsFromMinusTwelveToPlusTwelve) {
  ASSERT_EQ(dialogs::kTimeZoneCount, 25);
  for (int i = 0; i < dialogs::kTimeZoneCount; ++i) {
    ASSERT_NE(TimeZoneText(i), nullptr) << i;
    EXPECT_EQ(TimeZoneText(i), ExpectedText(i)) << i;
  }
  EXPECT_STREQ(TimeZoneText(0), L" UTC-12:00");
  EXPECT_STREQ(TimeZoneText(9), L" UTC-03:00");
  EXPECT_STREQ(TimeZoneText(12), L" UTC");
  EXPECT_STREQ(TimeZoneText(17), L" UTC+05:00");
  EXPECT_STREQ(TimeZoneText(24), L" UTC+12:00");
}

TEST(TimeZoneList, DefaultIsUtcPlusNineAndOtherIndicesHaveNoText) {
  EXPECT_STREQ(TimeZoneText(dialogs::kDefaultTimeZone), L" UTC+09:00");
  EXPECT_EQ(TimeZoneText(-1), nullptr);
  EXPECT_EQ(TimeZoneText(25), nullptr);
}

}  // namespace
