// SPDX-License-Identifier: MIT
#include "ui/Surface.h"

#include <gtest/gtest.h>

#include "ui/SystemColors.h"

namespace ui {
namespace {

// The surface drawn as text: '#' for black, 'r' for red, '.' for white.
std::string Picture(const Surface& surface) {
  std::string text;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const TColor pixel = surface.Pixel(x, y);
      text += pixel == clBlack ? '#' : pixel == clRed ? 'r' : pixel == clWhite ? '.' : '?';
    }
    text += '\n';
  }
  return text;
}

constexpr Rect kEverywhere{-1000, -1000, 1000, 1000};

TEST(SurfaceTest, AFillCoversTheLeftAndTopEdgesButNotTheRightAndBottom) {
  Surface surface(6, 4, clWhite);
  surface.FillRect({1, 1, 4, 3}, clRed, kEverywhere);
  EXPECT_EQ(Picture(surface),
            "......\n"
            ".rrr..\n"
            ".rrr..\n"
            "......\n");
}

TEST(SurfaceTest, AnEmptyOrUpsideDownFillDrawsNothing) {
  Surface surface(3, 3, clWhite);
  surface.FillRect({1, 1, 1, 3}, clRed, kEverywhere);
  surface.FillRect({2, 2, 1, 1}, clRed, kEverywhere);
  EXPECT_EQ(Picture(surface), "...\n...\n...\n");
}

TEST(SurfaceTest, ALineStopsBeforeItsEndPoint) {
  Surface surface(6, 5, clWhite);
  surface.Line(0, 0, 5, 0, clBlack, 1, kEverywhere);
  surface.Line(5, 4, 5, 1, clBlack, 1, kEverywhere);
  surface.Line(0, 1, 3, 4, clBlack, 1, kEverywhere);
  EXPECT_EQ(Picture(surface),
            "#####.\n"
            "#.....\n"
            ".#...#\n"
            "..#..#\n"
            ".....#\n");
}

TEST(SurfaceTest, ALineToItsOwnStartDrawsNothing) {
  Surface surface(2, 2, clWhite);
  surface.Line(1, 1, 1, 1, clBlack, 1, kEverywhere);
  EXPECT_EQ(Picture(surface), "..\n..\n");
}

TEST(SurfaceTest, AWidePenDrawsASquareAtEachPoint) {
  // An even width has its extra pixel to the right and below.
  Surface surface(6, 5, clWhite);
  surface.Line(1, 1, 4, 1, clBlack, 2, kEverywhere);
  surface.Line(2, 4, 3, 4, clBlack, 3, kEverywhere);
  EXPECT_EQ(Picture(surface),
            "......\n"
            ".####.\n"
            ".####.\n"
            ".###..\n"
            ".###..\n");
}

TEST(SurfaceTest, EveryOperationIsClipped) {
  Surface surface(5, 5, clWhite);
  const Rect clip{1, 1, 4, 4};
  surface.FillRect({-3, -3, 2, 9}, clRed, clip);
  surface.Line(0, 3, 9, 3, clBlack, 1, clip);
  surface.SetPixel(4, 4, clBlack, clip);
  surface.SetPixel(0, 0, clBlack, clip);
  EXPECT_EQ(Picture(surface),
            ".....\n"
            ".r...\n"
            ".r...\n"
            ".###.\n"
            ".....\n");
}

// Straight lines are filled as one rectangle; they must cover exactly what
// walking them point by point with the pen's square covers.
TEST(SurfaceTest, StraightLinesEndBeforeTheirEndPointInEveryDirection) {
  Surface surface(8, 8, clWhite);
  surface.Line(6, 0, 2, 0, clBlack, 1, kEverywhere);
  surface.Line(0, 7, 0, 3, clBlack, 1, kEverywhere);
  surface.Line(2, 2, 2, 5, clRed, 2, kEverywhere);
  surface.Line(7, 6, 4, 6, clRed, 3, {0, 0, 7, 8});
  EXPECT_EQ(Picture(surface),
            "...####.\n"
            "........\n"
            "..rr....\n"
            "..rr....\n"
            "#.rr....\n"
            "#.rrrrr.\n"
            "#...rrr.\n"
            "#...rrr.\n");
}

TEST(SurfaceTest, DrawingOutsideTheSurfaceIsHarmless) {
  Surface surface(2, 2, clWhite);
  surface.FillRect({-5, -5, 50, 50}, clRed, kEverywhere);
  surface.Line(-10, 1, 10, 1, clBlack, 1, kEverywhere);
  surface.SetPixel(-1, 7, clBlack, kEverywhere);
  EXPECT_EQ(Picture(surface), "rr\n##\n");
  EXPECT_EQ(surface.Pixel(2, 0), clNone);
}

TEST(SurfaceTest, SystemColoursResolveThroughThePlatformsTable) {
  Surface surface(2, 1, clWhite);
  surface.SetPixel(0, 0, clBtnFace, kEverywhere);
  EXPECT_EQ(surface.Pixel(0, 0), DefaultSystemColors()[15]);
  EXPECT_EQ(surface.Pixel(0, 0), RgbColor(0xF0, 0xF0, 0xF0));

  SystemColorTable table = DefaultSystemColors();
  table[8] = clNavy;
  SetSystemColors(table);
  surface.SetPixel(1, 0, clWindowText, kEverywhere);
  SetSystemColors(DefaultSystemColors());
  EXPECT_EQ(surface.Pixel(1, 0), clNavy);
}

TEST(SurfaceTest, ResolvingDropsTheTopByteOfPlainColoursAndBlackensUnknownSystemOnes) {
  EXPECT_EQ(ResolveColor(0x1FFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(ResolveColor(0x800000FF), clBlack);
  EXPECT_EQ(ResolveColor(clWindow), clWhite);
}

TEST(SurfaceTest, ResizingKeepsThePixelsThatRemain) {
  Surface surface(3, 2, clWhite);
  surface.SetPixel(1, 1, clBlack, kEverywhere);
  surface.SetPixel(2, 0, clBlack, kEverywhere);
  surface.Resize(2, 3, clRed);
  EXPECT_EQ(Picture(surface), "..\n.#\nrr\n");
}

TEST(SurfaceTest, ReportsEachChangedRectangle) {
  Surface surface(10, 10, clWhite);
  std::vector<Rect> changes;
  surface.OnChange = [&](const Rect& rect) { changes.push_back(rect); };
  surface.FillRect({2, 2, 20, 5}, clRed, kEverywhere);
  surface.Line(0, 9, 4, 9, clBlack, 1, kEverywhere);
  surface.SetPixel(3, 3, clBlack, {0, 0, 2, 2});
  EXPECT_EQ(changes, (std::vector<Rect>{{2, 2, 10, 5}, {0, 9, 4, 10}}));
}

TEST(SurfaceTest, PixelsAreStoredForThePlatformAsXrgb) {
  Surface surface(1, 1, RgbColor(0x12, 0x34, 0x56));
  EXPECT_EQ(surface.Bits()[0], 0xFF123456u);
}

}  // namespace
}  // namespace ui
