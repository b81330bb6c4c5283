// SPDX-License-Identifier: MIT
#include "base/Utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// Bytes outside printable ASCII are written as \xHH, so every case gets a
// one-line name.
std::string Shown(std::string_view bytes) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const unsigned char byte : bytes) {
    if (byte >= 0x20 && byte < 0x7F) shown += static_cast<char>(byte);
    else shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
  }
  return shown;
}

struct Utf8Case {
  std::string bytes;
  // How many bytes from the start are whole, well-formed characters.
  std::size_t wellFormed;
};

void PrintTo(const Utf8Case& c, std::ostream* out) { *out << Shown(c.bytes); }

class Utf8WellFormedTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8WellFormedTest, StopsAtTheFirstByteThatIsNotPartOfAWholeCharacter) {
  EXPECT_EQ(Utf8WellFormedLength(GetParam().bytes), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8WellFormedTest,
    testing::Values(Utf8Case{"plain [text]=1\r\n and more than eight", 36}, Utf8Case{std::string("a\0b", 3), 3},
                    Utf8Case{"\xEF\xBB\xBF", 3}, Utf8Case{"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 9},
                    Utf8Case{"\xF4\x8F\xBF\xBF", 4},        // the highest code point
                    Utf8Case{"\xED\x9F\xBF", 3},            // the last before the surrogates
                    Utf8Case{"caf\xE9", 3},                 // Windows-1252
                    Utf8Case{"\x80", 0},                    // a continuation byte alone
                    Utf8Case{"\xC0\xAF", 0},                // overlong, two bytes
                    Utf8Case{"\xE0\x9F\xBF", 0},            // overlong, three bytes
                    Utf8Case{"\xF0\x8F\xBF\xBF", 0},        // overlong, four bytes
                    Utf8Case{"\xED\xA0\x80", 0},            // a surrogate
                    Utf8Case{"\xF4\x90\x80\x80", 0},        // past U+10FFFF
                    Utf8Case{"\xF5\x80\x80\x80", 0},        // a lead byte no character has
                    Utf8Case{"abcdefghij\xE2\x82", 10},     // cut short at the end
                    Utf8Case{"\xC3" "a", 0}));              // cut short by ASCII

TEST(Utf8CharacterLengthTest, TellsACharacterCutShortFromBytesThatAreNone) {
  EXPECT_EQ(Utf8CharacterLength("\xE2\x82"), 3U);  // may still be completed
  EXPECT_EQ(Utf8CharacterLength("\xE2" "a"), 0U);
  EXPECT_EQ(Utf8CharacterLength("\xF0"), 4U);
  EXPECT_EQ(Utf8CharacterLength("\xF8"), 0U);
}

TEST(Utf8CharacterAtTest, StepsOverAByteThatStartsNoWholeCharacterAlone) {
  EXPECT_EQ(Utf8CharacterAt("\xC3\xA9" "a"), "\xC3\xA9");
  EXPECT_EQ(Utf8CharacterAt("\xE2\x82"), "\xE2");  // cut short by the end
  EXPECT_EQ(Utf8CharacterAt("\xC0\xAF"), "\xC0");  // overlong
}

class WithoutCutCharacterTest : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(WithoutCutCharacterTest, DropsOnlyACharacterCutShort) {
  EXPECT_EQ(WithoutCutCharacter(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Tails, WithoutCutCharacterTest,
                         testing::Values(std::pair{"", ""}, std::pair{"abc", "abc"}, std::pair{"ab\xC3", "ab"},
                                         std::pair{"ab\xC3\xA9", "ab\xC3\xA9"}, std::pair{"a\xE2\x82", "a"},
                                         std::pair{"a\xE2\x82\xAC", "a\xE2\x82\xAC"}, std::pair{"a\xF0\x9F\x98", "a"},
                                         std::pair{"a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x80"}));

TEST(AppendUtf8Test, WritesEachLengthOfCharacter) {
  std::string text;
  for (const char32_t code : {U'a', U'\u00E9', U'\u20AC', U'\U0001F600', U'\U0010FFFF'}) AppendUtf8(text, code);
  EXPECT_EQ(text, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
  EXPECT_EQ(Utf8CharacterCount(text), 5U);
}

}  // namespace
