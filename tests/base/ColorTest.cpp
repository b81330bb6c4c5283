// SPDX-License-Identifier: MIT
#include "base/Color.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorFromTextTest, IdentifiersIgnoreLetterCaseButNotBlanks) {
  EXPECT_EQ(ColorFromText("clRed"), clRed);
  EXPECT_EQ(ColorFromText("clred"), clRed);
  EXPECT_EQ(ColorFromText("CLRED"), clRed);
  EXPECT_EQ(ColorFromText(" clRed"), std::nullopt);
  EXPECT_EQ(ColorFromText("clRed "), std::nullopt);
  EXPECT_EQ(ColorFromText("cl3ddkshadow"), 0x80000015U);
  EXPECT_EQ(ColorFromText("clNone"), 0x1FFFFFFFU);
}

TEST(ColorFromTextTest, NumbersAreReadAsIntegerText) {
  EXPECT_EQ(ColorFromText("$0000FF"), clRed);
  EXPECT_EQ(ColorFromText("255"), clRed);
  EXPECT_EQ(ColorFromText("-1"), 0xFFFFFFFFU);
  EXPECT_EQ(ColorFromText("12 "), std::nullopt);
  EXPECT_EQ(ColorFromText(""), std::nullopt);
}

TEST(ColorTest, ChannelsSitRedLowBlueHigh) {
  EXPECT_EQ(RgbColor(0xFF, 0, 0), clRed);
  EXPECT_EQ(RgbColor(0, 0, 0xFF), clBlue);
  EXPECT_EQ(BlueOf(clTeal), 0x80);
  EXPECT_EQ(GreenOf(clTeal), 0x80);
  EXPECT_EQ(RedOf(clTeal), 0);
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clWhite));
}

}  // namespace
