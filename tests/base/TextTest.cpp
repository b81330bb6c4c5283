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

}  // namespace
