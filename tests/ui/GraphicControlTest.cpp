// SPDX-License-Identifier: MIT
#include "ui/Control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/SystemColors.h"
#include "tests/ui/testing/CanvasPixel.h"
#include "tests/ui/testing/Swatch.h"

namespace ui {
namespace {

using ::testing::ElementsAre;

using Framed = ::ui::testing::Swatch;

class DrawnRecorder final : public Peer {
 public:
  explicit DrawnRecorder(std::vector<Rect>& drawn) : drawn_(drawn) {}
  void Changed(Change /*what*/) override {}
  void Drawn(const Rect& area) override { drawn_.push_back(area); }

 private:
  std::vector<Rect>& drawn_;
};

// The control's pixels as text: '#' black, 'r' red, '.' white.
std::string Picture(const GraphicControl& control) {
  std::string text;
  for (int y = 0; y < control.Canvas().Height(); ++y) {
    for (int x = 0; x < control.Canvas().Width(); ++x) {
      const TColor pixel = ui::testing::PixelAt(control.Canvas(), x, y);
      text += pixel == clBlack ? '#' : pixel == clRed ? 'r' : pixel == clWhite ? '.' : '?';
    }
    text += '\n';
  }
  return text;
}

class GraphicControlTest : public ::testing::Test {
 protected:
  GraphicControlTest() {
    form.SetBounds(0, 0, 20, 20);
    framed.SetParent(&form);
    framed.SetBounds(2, 1, 6, 5);
    form.Show();
    framed.Canvas().FillRect(0, 0, 6, 5, clWhite);
  }

  Form form;
  Framed& framed = form.Create<Framed>();
};

TEST_F(GraphicControlTest, DrawsOnPixelsOfItsOwnSizeClippedToThem) {
  framed.Canvas().FillRect(-5, 3, 2, 50, clRed);   // right and bottom edges excluded
  framed.Canvas().FillRect(3, 3, 3, 5, clRed);     // empty: draws nothing
  framed.Canvas().FillRect(2, 0, 5, 1, clBlack);
  framed.Canvas().FillRect(5, 1, 6, 4, clBlack);
  framed.Canvas().SetPixel(3, 2, clBlack);
  framed.Canvas().SetPixel(9, 2, clBlack);
  framed.Canvas().RepeatRow(2, 9, 2, 9);           // row 2 from x = 2 on, copied down and cut
  EXPECT_EQ(Picture(framed),
            "..###.\n"
            ".....#\n"
            "...#.#\n"
            "rr.#.#\n"
            "rr.#.#\n");
  EXPECT_EQ(ui::testing::PixelAt(framed.Canvas(), 6, 0), clNone) << "outside the control";
}

TEST_F(GraphicControlTest, SystemColoursResolveThroughThePlatformsTableWhenDrawn) {
  SystemColorTable table = DefaultSystemColors();
  table[clWindowText & 0xFF] = clNavy;
  SetSystemColors(table);
  framed.Canvas().SetPixel(0, 0, clWindowText);
  SetSystemColors(DefaultSystemColors());
  EXPECT_EQ(ui::testing::PixelAt(framed.Canvas(), 0, 0), clNavy);
  EXPECT_EQ(ResolveColor(0x1FFFFFFF), 0xFFFFFFu) << "a plain colour drops its top byte";
  EXPECT_EQ(ResolveColor(0x800000FF), clBlack) << "an unknown system colour is black";
}

TEST_F(GraphicControlTest, PixelsAreStoredForThePlatformAsXrgb) {
  framed.Canvas().SetPixel(0, 0, RgbColor(0x12, 0x34, 0x56));
  EXPECT_EQ(framed.Canvas().Bits()[0], 0xFF123456u);
}

TEST_F(GraphicControlTest, ThePeerIsToldEachChangedRectangleInTheControlsCoordinates) {
  std::vector<Rect> drawn;
  framed.SetPeer(std::make_unique<DrawnRecorder>(drawn));
  framed.Canvas().FillRect(2, 2, 20, 4, clRed);
  framed.Canvas().FillRect(0, 4, 3, 5, clBlack);
  framed.Canvas().SetPixel(-1, 0, clRed);
  EXPECT_THAT(drawn, ElementsAre(Rect{2, 2, 6, 4}, Rect{0, 4, 3, 5}));
}

TEST_F(GraphicControlTest, WhileItDoesNotShowItDrawsNothingAndIsPaintedWholeWhenItShows) {
  form.Hide();
  framed.Canvas().FillRect(0, 0, 6, 5, clRed);
  framed.Invalidate();
  framed.Update();
  EXPECT_EQ(framed.paints, 0);
  EXPECT_EQ(ui::testing::PixelAt(framed.Canvas(), 0, 1), clWhite);
  form.Show();
  EXPECT_TRUE(framed.PaintPending());
  framed.Update();
  framed.Update();
  EXPECT_EQ(framed.paints, 1);
  EXPECT_EQ(ui::testing::PixelAt(framed.Canvas(), 0, 1), clRed);

  Framed loose;
  loose.SetBounds(0, 0, 5, 5);
  loose.Canvas().FillRect(0, 0, 5, 5, clRed);
  EXPECT_EQ(ui::testing::PixelAt(loose.Canvas(), 1, 1), clNone) << "in no window there is nothing to draw on";
}

TEST_F(GraphicControlTest, ResizingOrShowingAgainAsksForARepaintThatStartsFromBlack) {
  framed.Update();
  framed.SetBounds(2, 1, 3, 2);
  EXPECT_TRUE(framed.PaintPending());
  framed.Canvas().SetPixel(0, 1, clWhite);
  EXPECT_EQ(Picture(framed), "###\n.##\n");
  framed.Update();
  framed.Hide();
  EXPECT_FALSE(framed.PaintPending());
  framed.Show();
  EXPECT_TRUE(framed.PaintPending());
}

}  // namespace
}  // namespace ui
