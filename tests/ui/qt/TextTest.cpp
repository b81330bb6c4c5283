// SPDX-License-Identifier: MIT
#include "ui/qt/Text.h"

#include <gtest/gtest.h>

namespace ui::qt {
namespace {

TEST(TextTest, ReadsValidUtf8AsUtf8) {
  EXPECT_EQ(ToQString("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(TextTest, ReadsOtherBytesAsTheWesternAnsiCodePage) {
  EXPECT_EQ(ToQString("caf\xE9 \x80 \x93x\x94"), QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C" "x\xE2\x80\x9D"));
}

TEST(TextTest, TypedCharactersBecomeAnsiBytes) {
  EXPECT_EQ(ToAnsiChar(QChar(u' ')), ' ');
  EXPECT_EQ(ToAnsiChar(QChar(u'0')), '0');
  EXPECT_EQ(ToAnsiChar(QChar(u'\u00E9')), '\xE9');
  EXPECT_EQ(ToAnsiChar(QChar(u'\u20AC')), '\x80');
  EXPECT_EQ(ToAnsiChar(QChar(u'\u4E2D')), std::nullopt);
}

TEST(TextTest, CaptionsBecomeQtMnemonicsWithEveryOtherAmpersandDoubled) {
  EXPECT_EQ(MnemonicText("&New Game"), QStringLiteral("&New Game"));
  EXPECT_EQ(MnemonicText("Tom && Jerry"), QStringLiteral("Tom && Jerry"));
  EXPECT_EQ(MnemonicText("R&&&D"), QStringLiteral("R&&&D"));
  EXPECT_EQ(MnemonicText("&a&b"), QStringLiteral("&ab"));
  EXPECT_EQ(MnemonicText("ends &"), QStringLiteral("ends "));
  EXPECT_EQ(MnemonicText("<b>bold</b>"), QStringLiteral("<b>bold</b>"));
}

TEST(TextTest, WindowTitlesKeepTheirModifiedMarkPlaceholders) {
  EXPECT_EQ(WindowTitleText("Score [*]"), QStringLiteral("Score [*][*]"));
}

}  // namespace
}  // namespace ui::qt
