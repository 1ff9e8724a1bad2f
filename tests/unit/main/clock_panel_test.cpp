// The Clock panel's change detection, line text and repaint area.
#include "ui/main/clock_panel.h"

#include <gtest/gtest.h>

#include <string>

namespace main_window {
namespace {

SYSTEMTIME Time(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = 999;  // not part of the line
  return time;
}

std::wstring Format(int year, int month, int day, int hour, int minute, int second) {
  const ClockFields fields{year, month, day, hour, minute, second};
  wchar_t text[kClockTextCapacity];
  FormatClockText(fields, text);
  return text;
}

TEST(ClockText, ShowsTheDateAndA12HourClockWithColonBlankSeparators) {
  EXPECT_EQ(Format(2012, 11, 30, 15, 7, 9), L"2012-11-30 PM 03: 07: 09");
  EXPECT_EQ(Format(2024, 1, 2, 0, 0, 0), L"2024-01-02 AM 12: 00: 00");
  EXPECT_EQ(Format(2024, 1, 2, 0, 5, 0), L"2024-01-02 AM 12: 05: 00");
  EXPECT_EQ(Format(2024, 1, 2, 12, 0, 0), L"2024-01-02 PM 12: 00: 00");
  EXPECT_EQ(Format(2024, 1, 2, 13, 0, 0), L"2024-01-02 PM 01: 00: 00");
  EXPECT_EQ(Format(2024, 1, 2, 11, 59, 59), L"2024-01-02 AM 11: 59: 59");
  EXPECT_EQ(Format(2024, 12, 31, 23, 59, 59), L"2024-12-31 PM 11: 59: 59");
}

TEST(ClockCompare, TheFirstCompareAlwaysFindsAChangeOfTheWholeLine) {
  ClockFields fields;
  int32_t dateChanged = 1;
  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 15, 7, 9), fields, dateChanged), 0);
  EXPECT_EQ(dateChanged, 1);
  EXPECT_EQ(fields.year, 2012);
  EXPECT_EQ(fields.month, 11);
  EXPECT_EQ(fields.day, 30);
  EXPECT_EQ(fields.hour, 15);
  EXPECT_EQ(fields.minute, 7);
  EXPECT_EQ(fields.second, 9);
}

TEST(ClockCompare, TellsASecondOnlyChangeFromALargerOne) {
  ClockFields fields;
  int32_t dateChanged = 1;
  CompareClock(Time(2012, 11, 30, 15, 7, 9), fields, dateChanged);

  // Two ticks within the same second: nothing changes, not even the flag.
  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 15, 7, 9), fields, dateChanged), 1);
  EXPECT_EQ(dateChanged, 1);

  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 15, 7, 10), fields, dateChanged), 0);
  EXPECT_EQ(dateChanged, 0);
  EXPECT_EQ(fields.second, 10);
  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 15, 7, 10), fields, dateChanged), 1);
  EXPECT_EQ(dateChanged, 0);

  // A new minute at the same second (a tick delayed by exactly a minute) still repaints the whole line.
  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 15, 8, 10), fields, dateChanged), 0);
  EXPECT_EQ(dateChanged, 1);

  // The PC's clock set back by an hour.
  EXPECT_EQ(CompareClock(Time(2012, 11, 30, 14, 8, 11), fields, dateChanged), 0);
  EXPECT_EQ(dateChanged, 1);
  EXPECT_EQ(fields.hour, 14);
  EXPECT_EQ(fields.second, 11);

  // Midnight: the date changes with the hour, minute and second.
  CompareClock(Time(2012, 11, 30, 23, 59, 59), fields, dateChanged);
  EXPECT_EQ(CompareClock(Time(2012, 12, 1, 0, 0, 0), fields, dateChanged), 0);
  EXPECT_EQ(dateChanged, 1);
  EXPECT_EQ(fields.month, 12);
  EXPECT_EQ(fields.day, 1);
}

TEST(ClockRepaint, OnlyTheSecondsWhileOnlyTheSecondChanges) {
  const RECT whole = ClockRepaintRect(1);
  EXPECT_EQ(whole.left, 260);
  EXPECT_EQ(whole.top, 686);
  EXPECT_EQ(whole.right, 428);
  EXPECT_EQ(whole.bottom, 698);
  const RECT seconds = ClockRepaintRect(0);
  EXPECT_EQ(seconds.left, 410);
  EXPECT_EQ(seconds.top, 686);
  EXPECT_EQ(seconds.right, 428);
  EXPECT_EQ(seconds.bottom, 698);
}

TEST(ClockRepaint, ReachesTheSecondsWhereANarrowerSubstituteFontPutThem) {
  EXPECT_EQ(ClockRepaintRect(0, 394).left, 394);
  EXPECT_EQ(ClockRepaintRect(0, 410).left, 410);
  EXPECT_EQ(ClockRepaintRect(0, 416).left, 410);  // never less than the seconds' intended place
  EXPECT_EQ(ClockRepaintRect(0, 100).left, 260);  // never outside the line
  EXPECT_EQ(ClockRepaintRect(1, 394).left, 260);
  EXPECT_EQ(ClockRepaintRect(0, 394).right, 428);
}

TEST(TimeZonePicker, OpensAtTheStoredZoneOrAtUtcPlusNineForAValueOutsideTheList) {
  EXPECT_EQ(PickerStartIndex(0), 0);
  EXPECT_EQ(PickerStartIndex(12), 12);
  EXPECT_EQ(PickerStartIndex(24), 24);
  EXPECT_EQ(PickerStartIndex(21), 21);
  EXPECT_EQ(PickerStartIndex(25), 21);
  EXPECT_EQ(PickerStartIndex(30), 21);
  EXPECT_EQ(PickerStartIndex(-1), 21);
  EXPECT_EQ(PickerStartIndex(INT32_MIN), 21);
}

}  // namespace
}  // namespace main_window
