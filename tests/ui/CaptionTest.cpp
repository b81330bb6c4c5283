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
  // In the toolkits' form: "&" before the access letter, "&&" for one "&".
  std::string_view Mnemonic;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << '"' << c.Caption << '"'; }

class ParseCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ParseCaptionTest, ShowsTheTextWithItsAccessLetterMarked) {
  const CaptionCase& c = GetParam();
  const CaptionText parsed = ParseCaption(c.Caption);
  EXPECT_EQ(parsed.Text, c.Shown);
  EXPECT_EQ(parsed.AccessIndex, c.AccessIndex);
  EXPECT_EQ(parsed.AccessLength, c.AccessLength);
  EXPECT_EQ(MnemonicText(c.Caption), c.Mnemonic);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, ParseCaptionTest,
    ::testing::Values(CaptionCase{"Game", "Game", std::nullopt, 0, "Game"},
                      CaptionCase{"&New Game", "New Game", 0, 1, "&New Game"},
                      CaptionCase{"E&xit", "Exit", 1, 1, "E&xit"},
                      CaptionCase{"How to &play ?", "How to play ?", 7, 1, "How to &play ?"},
                      CaptionCase{"Tom && Jerry", "Tom & Jerry", std::nullopt, 0, "Tom && Jerry"},
                      CaptionCase{"&&", "&", std::nullopt, 0, "&&"},
                      CaptionCase{"&&&x", "&x", 1, 1, "&&&x"},
                      CaptionCase{"R&&&D", "R&D", 2, 1, "R&&&D"},
                      CaptionCase{"&a&b", "ab", 0, 1, "&ab"},
                      CaptionCase{"&New && &Old", "New & Old", 0, 1, "&New && Old"},
                      CaptionCase{"ends in &", "ends in ", std::nullopt, 0, "ends in "},
                      CaptionCase{"caf&\xC3\xA9", "caf\xC3\xA9", 3, 2, "caf&\xC3\xA9"},
                      CaptionCase{"ANSI &\xE9t\xE9", "ANSI \xE9t\xE9", 5, 1, "ANSI &\xE9t\xE9"},
                      CaptionCase{"<b>bold</b> &amp;", "<b>bold</b> amp;", 12, 1, "<b>bold</b> &amp;"},
                      CaptionCase{"", "", std::nullopt, 0, ""}));

}  // namespace
}  // namespace ui
