// SPDX-License-Identifier: MIT
#include "ui/Caption.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct CaptionCase {
  std::string_view Caption;
  std::string_view Shown;
  std::optional<std::size_t> AccessIndex;
  std::size_t AccessLength;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << '"' << c.Caption << '"'; }

class ParseCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ParseCaptionTest, ShowsTheTextWithItsAccessLetterMarked) {
  const CaptionCase& c = GetParam();
  const CaptionText parsed = ParseCaption(c.Caption);
  EXPECT_EQ(parsed.Text, c.Shown);
  EXPECT_EQ(parsed.AccessIndex, c.AccessIndex);
  EXPECT_EQ(parsed.AccessLength, c.AccessLength);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, ParseCaptionTest,
    ::testing::Values(CaptionCase{"Game", "Game", std::nullopt, 0},
                      CaptionCase{"&New Game", "New Game", 0, 1},
                      CaptionCase{"E&xit", "Exit", 1, 1},
                      CaptionCase{"How to &play ?", "How to play ?", 7, 1},
                      CaptionCase{"Tom && Jerry", "Tom & Jerry", std::nullopt, 0},
                      CaptionCase{"&&", "&", std::nullopt, 0},
                      CaptionCase{"&&&x", "&x", 1, 1},
                      CaptionCase{"&a&b", "ab", 0, 1},
                      CaptionCase{"ends in &", "ends in ", std::nullopt, 0},
                      CaptionCase{"caf&\xC3\xA9", "caf\xC3\xA9", 3, 2},
                      CaptionCase{"ANSI &\xE9t\xE9", "ANSI \xE9t\xE9", 5, 1},
                      CaptionCase{"<b>bold</b>", "<b>bold</b>", std::nullopt, 0},
                      CaptionCase{"", "", std::nullopt, 0}));

}  // namespace
}  // namespace ui
