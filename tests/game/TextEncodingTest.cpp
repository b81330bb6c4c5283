// SPDX-License-Identifier: MIT
#include "game/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/Utf8Validator.h"

namespace {

TEST(Windows1252ToUtf8Test, ConvertsTheSpecialRowAndLatin1) {
  EXPECT_EQ(Windows1252ToUtf8("\x80\x8A\x93\x94\x96\x99\x9F"),
            "\xE2\x82\xAC\xC5\xA0\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93\xE2\x84\xA2\xC5\xB8");
  EXPECT_EQ(Windows1252ToUtf8("\xA0\xE9\xEB\xFF"), "\xC2\xA0\xC3\xA9\xC3\xAB\xC3\xBF");
  EXPECT_EQ(Windows1252ToUtf8("plain text"), "plain text");
}

TEST(Windows1252ToUtf8Test, EveryByteBecomesOneWellFormedCharacter) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string converted = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
    Utf8Validator validator;
    validator.Feed(converted);
    validator.Finish();
    EXPECT_TRUE(validator.Valid()) << "byte " << byte;
    const auto characters = std::count_if(converted.begin(), converted.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    EXPECT_EQ(characters, 1) << "byte " << byte;
  }
}

TEST(EqualsIgnoringAsciiCaseTest, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Overzicht", "oVERZICHT"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Overzicht", "Overzich"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("[", "{"));  // differ by the case bit, but are not letters
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC3\x89", "\xC3\xA9"));
}

struct TailCase {
  std::string text;
  std::string expected;
};

// Bytes outside printable ASCII are written as \xHH, so every case gets a
// one-line name.
void PrintTo(const TailCase& tail, std::ostream* out) {
  constexpr char kHex[] = "0123456789ABCDEF";
  *out << '"';
  for (unsigned char byte : tail.text) {
    if (byte >= 0x20 && byte < 0x7F) *out << static_cast<char>(byte);
    else *out << "\\x" << kHex[byte >> 4] << kHex[byte & 0xF];
  }
  *out << '"';
}

class IncompleteTailTest : public testing::TestWithParam<TailCase> {};

TEST_P(IncompleteTailTest, DropsOnlyACharacterCutShort) {
  EXPECT_EQ(WithoutIncompleteUtf8Tail(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tails, IncompleteTailTest,
                         testing::Values(TailCase{"", ""}, TailCase{"abc", "abc"}, TailCase{"ab\xC3", "ab"},
                                         TailCase{"ab\xC3\xA9", "ab\xC3\xA9"}, TailCase{"a\xE2\x82", "a"},
                                         TailCase{"a\xE2\x82\xAC", "a\xE2\x82\xAC"},
                                         TailCase{"a\xF0\x9F\x98", "a"},
                                         TailCase{"a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x80"}));

}  // namespace
