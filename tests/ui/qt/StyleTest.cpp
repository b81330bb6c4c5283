// SPDX-License-Identifier: MIT
#include "ui/qt/Services.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

namespace ui::qt {
namespace {

TEST(StyleTest, ArialIsLiberationSansAtTheSamePixelHeight) {
  if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) GTEST_SKIP() << "fonts-liberation";
  const QFont font = ToQFont({.Name = "Arial", .Height = 24, .Bold = true});
  const QFontInfo shown(font);
  EXPECT_EQ(shown.family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(shown.pixelSize(), 24);
  EXPECT_TRUE(shown.bold());
}

TEST(StyleTest, AMissingFaceIsThePlatformsSansSerifAtTheSamePixelHeight) {
  const QFont font = ToQFont({.Name = "MS Sans Serif", .Height = 11, .Underline = true});
  EXPECT_EQ(font.styleHint(), QFont::SansSerif);
  EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
  EXPECT_TRUE(font.underline());
  EXPECT_EQ(font.resolveMask(), static_cast<uint>(QFont::AllPropertiesResolved));
}

TEST(StyleTest, SystemColoursComeFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
  palette.setColor(QPalette::WindowText, QColor(0x01, 0x02, 0x03));
  const SystemColorTable table = SystemColorsFrom(palette);
  EXPECT_EQ(table[clBtnFace & 0xFF], RgbColor(0x12, 0x34, 0x56));
  EXPECT_EQ(table[clWindowText & 0xFF], RgbColor(0x01, 0x02, 0x03));
}

TEST(StyleTest, ColoursKeepTheirRedGreenAndBlue) {
  EXPECT_EQ(ToQColor(clOlive), QColor(0x80, 0x80, 0x00));
  EXPECT_EQ(ToQColor(clBlue), QColor(0x00, 0x00, 0xFF));
}

TEST(StyleTest, WindowTitlesKeepTheirModifiedMarkPlaceholders) {
  EXPECT_EQ(WindowTitleText("Score [*]"), QStringLiteral("Score [*][*]"));
}

}  // namespace
}  // namespace ui::qt
