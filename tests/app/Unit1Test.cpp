// SPDX-License-Identifier: MIT
#include "app/Unit1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/Homepage.h"
#include "base/Color.h"
#include "tests/ui/testing/CanvasPixel.h"
#include "ui/Keys.h"

namespace {

using ::testing::ElementsAre;

class MainWindowTest : public ::testing::Test {
 protected:
  [[nodiscard]] std::vector<ui::Control*> QuestionPanel() const {
    return {&form.GroupBox2(), &form.RadioGroup1(), &form.RadioButton1(),
            &form.RadioButton2(), &form.RadioButton3(), &form.Button1()};
  }

  TForm1 form;
};

TEST_F(MainWindowTest, AtCreationThePictureAndTheEmptyGaugeShowAndNoQuestionControlDoes) {
  EXPECT_EQ(form.Caption(), "Tolvanix PlimBora");
  EXPECT_FALSE(form.Visible()) << "start-up shows the window once it is built";
  EXPECT_TRUE(form.Image2().Visible());
  EXPECT_TRUE(form.ProgressBar1().Visible());
  EXPECT_EQ(form.ProgressBar1().Position(), 0);
  for (const ui::Control* control : QuestionPanel()) EXPECT_FALSE(control->Visible()) << control->Name();
  for (const ui::RadioButton* answer : {&form.RadioButton1(), &form.RadioButton2(), &form.RadioButton3()}) {
    EXPECT_FALSE(answer->Checked()) << answer->Name();
    EXPECT_FALSE(answer->Enabled()) << answer->Name();
  }
  EXPECT_FALSE(form.Timer1().Enabled());
  EXPECT_FALSE(form.Timer2().Enabled());
}

// Windowed controls lie above windowless ones, and later ones above
// earlier ones: the answers must cover the frame behind them, never the
// reverse.
TEST_F(MainWindowTest, WindowsChildrenArePlacedInTheLayoutsOrder) {
  std::vector<std::string> names;
  for (const ui::Control* control : form.Controls()) names.push_back(control->Name());
  EXPECT_THAT(names, ElementsAre("Image2", "stackbox", "GroupBox2", "ProgressBar1", "RadioGroup1", "RadioButton1",
                                 "RadioButton2", "RadioButton3", "Button1", "Panel1"));
}

TEST_F(MainWindowTest, OnlyTheWebAddressShowsAPointingHand) {
  for (const auto& component : form.Components()) {
    if (const auto* control = dynamic_cast<const ui::Control*>(component.get())) {
      const auto expected = control == &form.Label4() ? ui::Cursor::HandPoint : ui::Cursor::Default;
      EXPECT_EQ(control->Cursor(), expected) << control->Name();
    }
  }
}

// At creation only the gauge can take the focus by Tab; with the question
// controls showing, Tab runs selected answer, gauge, "?" and round again.
TEST_F(MainWindowTest, TabVisitsTheSelectedAnswerTheGaugeAndTheAnswerCommand) {
  form.Show();
  form.KeyDown(ui::kKeyTab, {});
  form.KeyDown(ui::kKeyTab, {});
  EXPECT_EQ(form.ActiveControl(), &form.ProgressBar1()) << "the only tab stop at creation";

  for (ui::Control* control : QuestionPanel()) {
    control->Show();
    control->SetEnabled(true);
  }
  form.RadioButton2().SetChecked(true);
  std::vector<std::string> visited;
  for (int i = 0; i < 4; ++i) {
    form.KeyDown(ui::kKeyTab, {});
    visited.push_back(form.ActiveControl() ? form.ActiveControl()->Name() : "none");
  }
  EXPECT_THAT(visited, ElementsAre("Button1", "RadioButton2", "ProgressBar1", "Button1"));
  form.KeyDown(ui::kKeyTab, {.Shift = true});
  EXPECT_EQ(form.ActiveControl(), &form.ProgressBar1());
}

TEST_F(MainWindowTest, TheBoardIs181By361AndEmptyAndBlackWhenFirstPainted) {
  TBrickfall& board = form.stackbox();
  EXPECT_EQ(board.BoundsRect(), (ui::Rect{8, 8, 8 + 181, 8 + 361}));
  EXPECT_EQ(board.Pieces(), DefaultPieces());
  form.Show();
  board.Update();
  for (int y = 0; y < 361; y += 9) {
    for (int x = 0; x < 181; x += 9) ASSERT_EQ(ui::testing::PixelAt(board.Canvas(), x, y), clBlack) << x << "," << y;
  }
}

TEST_F(MainWindowTest, WebLinkOpensTheAddressTheLabelShows) {
  EXPECT_EQ(form.WebLink1().URL(), form.Label4().Caption());
  const std::regex wellFormed(R"(https://[a-z0-9]([a-z0-9-]*[a-z0-9])?(\.[a-z0-9]([a-z0-9-]*[a-z0-9])?)+(/[^\s]*)?)");
  EXPECT_TRUE(std::regex_match(std::string(kHomepageUrl), wellFormed)) << kHomepageUrl;
}

TEST(Form1ReferenceTest, PointsAtTheWindowWhileItLives) {
  EXPECT_EQ(Form1, nullptr);
  {
    TForm1 form;
    EXPECT_EQ(Form1, &form);
  }
  EXPECT_EQ(Form1, nullptr);
}

}  // namespace
