#include "card/core/card_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "card/core/card_text.h"
#include "card/files/unique_file.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::ScratchFolder;

// Every line the reader hands out until it returns an empty one.
std::vector<std::string> LinesOf(const ScratchFolder& folder, std::string_view bytes) {
  const std::string path = folder / "lines.txt";
  cardtest::WriteBytes(path, bytes);
  card::UniqueFile file = card::UniqueFile::Open(path.c_str(), "rb");
  card::CardTextReader text(file.get());
  std::vector<std::string> lines;
  char line[card::kLineCapacity];
  while (const size_t length = card::ReadCardLine(text, line)) {
    EXPECT_EQ(length, std::strlen(line));
    lines.emplace_back(line, length);
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(CardLineReader, CrLfAndLfLineEndsReadAlike) {
  ScratchFolder folder;
  EXPECT_EQ(LinesOf(folder, "Model=A\r\nVersion=B\r\n"), (Lines{"Model=A", "Version=B"}));
  EXPECT_EQ(LinesOf(folder, "Model=A\nVersion=B\n"), (Lines{"Model=A", "Version=B"}));
  EXPECT_EQ(LinesOf(folder, "Model=A\nVersion=B"), (Lines{"Model=A", "Version=B"}));
  // Only a CR right before an LF is part of the line end.
  EXPECT_EQ(LinesOf(folder, "A\rB\r\r\nC\r"), (Lines{"A\rB\r", "C\r"}));
}

TEST(CardLineReader, CtrlZEndsTheFile) {
  ScratchFolder folder;
  EXPECT_EQ(LinesOf(folder, "Model=A\r\n\x1aVersion=B\r\n"), (Lines{"Model=A"}));
  EXPECT_EQ(LinesOf(folder, "Model=A\x1a=B\r\nVersion=B\r\n"), (Lines{"Model=A"}));
}

TEST(CardLineReader, EmptyLineEndsTheReading) {
  ScratchFolder folder;
  EXPECT_EQ(LinesOf(folder, "Model=A\r\n\r\nVersion=B\r\n"), (Lines{"Model=A"}));
  EXPECT_EQ(LinesOf(folder, "\nModel=A\n"), Lines{});
  EXPECT_EQ(LinesOf(folder, ""), Lines{});
}

TEST(CardLineReader, LongLineIsCutAfter999CharactersAndGoesOnAsTheNextLine) {
  ScratchFolder folder;
  const std::string head(999, 'x');
  const std::string tail(201, 'y');
  EXPECT_EQ(LinesOf(folder, head + tail + "\r\nModel=A\r\n"), (Lines{head, tail, "Model=A"}));
}

TEST(CardLineReader, LineOfExactly999CharactersEndsTheReading) {
  ScratchFolder folder;
  const std::string full(999, 'x');
  EXPECT_EQ(LinesOf(folder, full + "\r\nModel=A\r\n"), (Lines{full}));
  const std::string shorter(998, 'x');
  EXPECT_EQ(LinesOf(folder, shorter + "\r\nModel=A\r\n"), (Lines{shorter, "Model=A"}));
}

TEST(CardLineKey, IsTheTextBeforeTheFirstEquals) {
  EXPECT_EQ(card::KeyOfLine("Model=A=B"), "Model");
  EXPECT_EQ(card::KeyOfLine("Time zone"), "Time zone");
  EXPECT_EQ(card::KeyOfLine("=5"), "");
  EXPECT_EQ(card::KeyOfLine("Night Bright =4"), "Night Bright ");
}

struct TrailingCase {
  const char* line;
  int32_t value;
};

class TrailingNumber : public testing::TestWithParam<TrailingCase> {};

TEST_P(TrailingNumber, IsTakenFromTheEndOfTheLine) {
  const TrailingCase& c = GetParam();
  EXPECT_EQ(card::ParseTrailingNumber(c.line, std::strlen(c.line)), c.value) << '"' << c.line << '"';
}

INSTANTIATE_TEST_SUITE_P(CardLine, TrailingNumber,
                         testing::Values(TrailingCase{"Resolution=2", 2}, TrailingCase{"Speaker Volume=-3", -3},
                                         TrailingCase{"Speaker Volume=+3", 3}, TrailingCase{"Night Bright=4 ", 0},
                                         TrailingCase{"Resolution=abc2", 2}, TrailingCase{"Resolution=3=4", 4},
                                         TrailingCase{"Resolution=12-5", -5}, TrailingCase{"Resolution=- 7", 7},
                                         TrailingCase{"Resolution= -7", -7}, TrailingCase{"Time zone", 0},
                                         TrailingCase{"", 0}, TrailingCase{"7", 7}, TrailingCase{"-7", -7},
                                         TrailingCase{"-", 0}, TrailingCase{"Resolution=007", 7},
                                         TrailingCase{"Resolution=1200", 1200},
                                         TrailingCase{"Time zone=123456789", 123456789}));

// Runs longer than nine digits stay defined: saturated at the ends of the 32-bit range.
INSTANTIATE_TEST_SUITE_P(LongDigitRuns, TrailingNumber,
                         testing::Values(TrailingCase{"Time zone=2147483647", INT32_MAX},
                                         TrailingCase{"Time zone=-2147483648", INT32_MIN},
                                         TrailingCase{"Time zone=2147483648", INT32_MAX},
                                         TrailingCase{"Time zone=-2147483649", INT32_MIN},
                                         TrailingCase{"Time zone=4294967297", INT32_MAX},
                                         TrailingCase{"Time zone=99999999999999999999999999", INT32_MAX},
                                         TrailingCase{"Time zone=-99999999999999999999999999", INT32_MIN},
                                         TrailingCase{"Time zone=00000000000000000000000042", 42}));

TEST(CardLineTrailingNumber, LooksOnlyAtTheGivenLength) {
  EXPECT_EQ(card::ParseTrailingNumber("Resolution=12abc", 13), 12);
  EXPECT_EQ(card::ParseTrailingNumber("Resolution=12", 0), 0);
}

}  // namespace
