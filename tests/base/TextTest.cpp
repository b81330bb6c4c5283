// SPDX-License-Identifier: MIT
#include "base/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(EqualsIgnoringAsciiCaseTest, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Overzicht", "oVERZICHT"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Overzicht", "Overzich"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("[", "{"));  // differ by the case bit, but are not letters
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC3\x89", "\xC3\xA9"));
}

TEST(CharacterAtIndexTest, StepsOverAByteThatStartsNoWholeCharacterAlone) {
  EXPECT_EQ(Utf8CharacterLength("a\xC3\xA9", 1), 2U);
  EXPECT_EQ(Utf8CharacterLength("a\xC3", 1), 1U);
  EXPECT_EQ(Utf8CharacterLength("\xC0\xAF", 0), 1U);  // overlong
}

}  // namespace
