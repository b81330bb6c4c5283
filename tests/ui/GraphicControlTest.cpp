// SPDX-License-Identifier: MIT
#include "ui/GraphicControl.h"

#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/Panel.h"

namespace ui {
namespace {

// A windowless control that paints a frame of its own size, as a board
// does, and counts its repaints.
class Framed final : public GraphicControl {
 public:
  void Paint() override {
    ++paints;
    Canvas().FillRect(0, 0, Width(), Height(), clRed);
    Canvas().Line(0, 0, Width(), 0);
  }
  int paints = 0;
};

// The form's surface around the control drawn as text: '#' black, 'r' red,
// '-' the form's background.
std::string Picture(Form& form, Rect area) {
  std::string text;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      const TColor pixel = form.Surface().Pixel(x, y);
      text += pixel == clBlack ? '#' : pixel == clRed ? 'r' : pixel == clWhite ? '-' : '?';
    }
    text += '\n';
  }
  return text;
}

class GraphicControlTest : public ::testing::Test {
 protected:
  GraphicControlTest() {
    form.SetColor(clWhite);
    form.SetBounds(0, 0, 8, 6);
  }

  Form form;
  Framed& framed = form.Create<Framed>();
};

TEST_F(GraphicControlTest, DrawsOnTheParentsSurfaceRelativeToItselfAndClippedToItself) {
  framed.SetParent(&form);
  framed.SetBounds(2, 1, 4, 3);
  framed.Canvas().FillRect(-5, -5, 50, 50, clRed);
  framed.Canvas().Line(-2, 0, 9, 0);
  framed.Canvas().SetPixel(3, 2, clBlack);
  framed.Canvas().SetPixel(4, 2, clBlack);
  EXPECT_EQ(Picture(form, {0, 0, 8, 6}),
            "--------\n"
            "--####--\n"
            "--rrrr--\n"
            "--rrr#--\n"
            "--------\n"
            "--------\n");
}

TEST_F(GraphicControlTest, ReadsItsOwnPixelsBack) {
  framed.SetParent(&form);
  framed.SetBounds(2, 1, 4, 3);
  framed.Canvas().SetPixel(1, 1, clRed);
  EXPECT_EQ(framed.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(framed.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(framed.Canvas().Pixel(4, 0), clNone) << "outside the control";
}

TEST_F(GraphicControlTest, InNoWindowItDrawsNothingAndRaisesNothing) {
  Framed loose;
  loose.SetBounds(0, 0, 5, 5);
  EXPECT_FALSE(loose.InWindow());
  EXPECT_NO_THROW(loose.Canvas().FillRect(0, 0, 5, 5, clRed));
  EXPECT_NO_THROW(loose.Canvas().Line(0, 0, 5, 5));
  EXPECT_NO_THROW(loose.Canvas().SetPixel(1, 1, clRed));
  EXPECT_EQ(loose.Canvas().Pixel(1, 1), clNone);
  loose.Repaint();
  EXPECT_EQ(loose.paints, 0);
}

TEST_F(GraphicControlTest, ThePenStartsBlackAndOnePixelWide) {
  EXPECT_EQ(framed.Canvas().PenColor(), clBlack);
  EXPECT_EQ(framed.Canvas().PenWidth(), 1);
}

TEST_F(GraphicControlTest, PlacingMovingOrShowingAsksForARepaint) {
  framed.SetParent(&form);
  EXPECT_TRUE(framed.PaintPending());
  framed.Update();
  EXPECT_EQ(framed.paints, 1);
  EXPECT_FALSE(framed.PaintPending());

  framed.SetBounds(1, 1, 3, 3);
  EXPECT_TRUE(framed.PaintPending());
  framed.Update();

  form.Show();
  EXPECT_TRUE(framed.PaintPending());
  framed.Update();
  framed.Hide();
  EXPECT_FALSE(framed.PaintPending());
  framed.Show();
  EXPECT_TRUE(framed.PaintPending());
  framed.Update();
  framed.Update();
  EXPECT_EQ(framed.paints, 4);
}

TEST_F(GraphicControlTest, AResizedParentKeepsWhatWasDrawn) {
  framed.SetParent(&form);
  framed.SetBounds(0, 0, 2, 2);
  framed.Repaint();
  form.SetBounds(0, 0, 3, 3);
  EXPECT_EQ(Picture(form, {0, 0, 3, 3}),
            "##-\n"
            "rr-\n"
            "---\n");
}

TEST_F(GraphicControlTest, ItTakesNeitherTheFocusNorAWindow) {
  EXPECT_FALSE(framed.HasWindow());
}

TEST_F(GraphicControlTest, ControlsInAPanelDrawOnThePanelsOwnSurface) {
  Panel& panel = form.Create<Panel>();
  panel.SetParent(&form);
  panel.SetBounds(4, 4, 4, 2);
  panel.SetColor(clWhite);
  framed.SetParent(&panel);
  framed.SetBounds(1, 0, 2, 1);
  framed.Repaint();
  EXPECT_EQ(panel.Surface().Pixel(1, 0), clBlack);
  EXPECT_EQ(form.Surface().Pixel(5, 4), clWhite);
}

}  // namespace
}  // namespace ui
