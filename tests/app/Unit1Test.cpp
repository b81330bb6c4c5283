// SPDX-License-Identifier: MIT
#include "app/Unit1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "app/Homepage.h"
#include "base/Color.h"
#include "ui/Keys.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// What the player must find when the window opens, written out apart from
// the window's own table so that a slip in either shows.
struct ExpectedControl {
  const char* Name;
  const char* Parent;
  int Left, Top, Width, Height;
  const char* Caption;
  bool Visible;
  bool Enabled;
  std::optional<int> TabOrder;  // windowed controls only
};

void PrintTo(const ExpectedControl& control, std::ostream* out) { *out << control.Name; }

const ExpectedControl kExpectedControls[] = {
    {"Image2", "Form1", 200, 112, 369, 233, "", true, true, std::nullopt},
    {"stackbox", "Form1", 8, 8, 181, 361, "", true, true, std::nullopt},
    {"GroupBox2", "Form1", 200, 112, 369, 105, "Question", false, true, 5},
    {"Label2", "GroupBox2", 16, 24, 345, 73, "You must start a new game !", true, true, std::nullopt},
    {"ProgressBar1", "Form1", 200, 352, 369, 17, "", true, true, 4},
    {"RadioGroup1", "Form1", 200, 224, 337, 121, "Possible Answers", false, true, 0},
    {"RadioButton1", "Form1", 216, 248, 305, 17, "Answer 1", false, false, 1},
    {"RadioButton2", "Form1", 216, 280, 305, 17, "Answer 2", false, false, 2},
    {"RadioButton3", "Form1", 216, 312, 305, 17, "Answer 3", false, false, 3},
    {"Button1", "Form1", 544, 232, 25, 113, "?", false, true, 6},
    {"Panel1", "Form1", 200, 8, 369, 97, "", true, true, 7},
    {"Image1", "Panel1", 64, 16, 33, 33, "", true, true, std::nullopt},
    {"Label1", "Panel1", 104, 16, 207, 29, "Tolvanix PlimBora", true, true, std::nullopt},
    {"Label3", "Panel1", 65, 52, 248, 13, "Please visit my web site for more freeware programs !", true, true,
     std::nullopt},
    {"Label4", "Panel1", 136, 72, 120, 13, kHomepageUrl, true, true, std::nullopt},
};

ui::Control& ControlNamed(const TForm1& form, const std::string& name) {
  auto* control = dynamic_cast<ui::Control*>(form.FindComponent(name));
  if (!control) throw std::runtime_error("no control named " + name);
  return *control;
}

class StoredLayoutTest : public ::testing::TestWithParam<ExpectedControl> {
 protected:
  TForm1 form;
};

TEST_P(StoredLayoutTest, ControlStartsWhereAndAsTheLayoutSays) {
  const ExpectedControl& expected = GetParam();
  const ui::Control& control = ControlNamed(form, expected.Name);
  ASSERT_NE(control.Parent(), nullptr);
  EXPECT_EQ(control.Parent()->Name(), expected.Parent);
  EXPECT_EQ(control.Left(), expected.Left);
  EXPECT_EQ(control.Top(), expected.Top);
  EXPECT_EQ(control.Width(), expected.Width);
  EXPECT_EQ(control.Height(), expected.Height);
  EXPECT_EQ(control.Caption(), expected.Caption);
  EXPECT_EQ(control.Visible(), expected.Visible);
  EXPECT_EQ(control.Enabled(), expected.Enabled);
  const auto* windowed = dynamic_cast<const ui::WinControl*>(&control);
  EXPECT_EQ(windowed != nullptr, expected.TabOrder.has_value()) << "windowed or not";
  if (windowed && expected.TabOrder) {
    EXPECT_EQ(windowed->TabOrder(), *expected.TabOrder);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, StoredLayoutTest, ::testing::ValuesIn(kExpectedControls),
                         [](const auto& info) { return std::string(info.param.Name); });

class MainWindowTest : public ::testing::Test {
 protected:
  TForm1 form;
};

TEST_F(MainWindowTest, WindowIsFixedSizeAtItsPlaceWithTheTitleAndKeyPreview) {
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Left(), 109);
  EXPECT_EQ(form.Top(), 96);
  EXPECT_EQ(form.ClientWidth(), 575);
  EXPECT_EQ(form.ClientHeight(), 377);
  EXPECT_EQ(form.BorderStyle(), ui::BorderStyle::Single);
  EXPECT_FALSE(form.MaximizeBox());
  EXPECT_EQ(form.Caption(), "Tolvanix PlimBora");
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_TRUE(form.KeyPreview());
  EXPECT_EQ(form.Menu(), &form.MainMenu1());
  EXPECT_FALSE(form.Visible()) << "start-up shows the window once it is built";
}

TEST_F(MainWindowTest, ControlsAreCreatedInTheLayoutsOrderFollowedByTheComponents) {
  std::vector<std::string> names;
  for (const auto& component : form.Components()) names.push_back(component->Name());
  EXPECT_THAT(names, ElementsAre("Image2", "stackbox", "GroupBox2", "Label2", "ProgressBar1", "RadioGroup1",
                                 "RadioButton1", "RadioButton2", "RadioButton3", "Button1", "Panel1", "Image1",
                                 "Label1", "Label3", "Label4", "Timer1", "Timer2", "MainMenu1", "WebLink1"));
}

// Windowed controls lie above windowless ones, and later ones above
// earlier ones: the answers must cover the frame behind them, never the
// reverse.
TEST_F(MainWindowTest, WindowsChildrenArePlacedInTheLayoutsOrder) {
  std::vector<std::string> names;
  for (const ui::Control* control : form.Controls()) names.push_back(control->Name());
  EXPECT_THAT(names, ElementsAre("Image2", "stackbox", "GroupBox2", "ProgressBar1", "RadioGroup1", "RadioButton1",
                                 "RadioButton2", "RadioButton3", "Button1", "Panel1"));
  std::vector<std::string> inPanel;
  for (const ui::Control* control : form.Panel1().Controls()) inPanel.push_back(control->Name());
  EXPECT_THAT(inPanel, ElementsAre("Image1", "Label1", "Label3", "Label4"));
}

TEST_F(MainWindowTest, FontsFollowTheirRoles) {
  const ui::Font window{.Name = "MS Sans Serif", .Height = 11, .Color = clWindowText};
  EXPECT_EQ(form.Font(), window);

  const ui::Font frameCaption{.Name = "MS Sans Serif", .Height = 11, .Bold = true, .Color = clOlive};
  EXPECT_EQ(form.GroupBox2().Font(), frameCaption);
  EXPECT_EQ(form.RadioGroup1().Font(), frameCaption);
  EXPECT_EQ(form.Label2().Font(), window) << "the question does not take its frame's bold olive";
  EXPECT_FALSE(form.Label2().ParentFont());

  const ui::Font answerCommand{.Name = "MS Sans Serif", .Height = 11, .Bold = true, .Color = clWindowText};
  EXPECT_EQ(form.Button1().Font(), answerCommand);

  const ui::Font title{.Name = "Arial", .Height = 24, .Bold = true, .Color = clOlive};
  EXPECT_EQ(form.Label1().Font(), title);

  const ui::Font link{.Name = "MS Sans Serif", .Height = 11, .Underline = true, .Color = 0xFF0000};
  EXPECT_EQ(form.Label4().Font(), link);

  for (const ui::Control* control :
       std::initializer_list<const ui::Control*>{&form.Label3(), &form.RadioButton1(), &form.RadioButton2(),
                                                 &form.RadioButton3(), &form.ProgressBar1(), &form.Panel1()}) {
    EXPECT_TRUE(control->ParentFont()) << control->Name();
    EXPECT_EQ(control->Font(), window) << control->Name();
  }
}

TEST_F(MainWindowTest, EveryControlShowsTheButtonFaceBehindIt) {
  for (const auto& component : form.Components()) {
    if (const auto* control = dynamic_cast<const ui::Control*>(component.get())) {
      EXPECT_EQ(control->Color(), clBtnFace) << control->Name();
    }
  }
}

TEST_F(MainWindowTest, OnlyTheWebAddressShowsAPointingHand) {
  for (const auto& component : form.Components()) {
    if (const auto* control = dynamic_cast<const ui::Control*>(component.get())) {
      const auto expected = control == &form.Label4() ? ui::Cursor::HandPoint : ui::Cursor::Default;
      EXPECT_EQ(control->Cursor(), expected) << control->Name();
    }
  }
}

TEST_F(MainWindowTest, TitleAndLinkLabelsFitTheirTextWhileTheQuestionWraps) {
  EXPECT_FALSE(form.Label2().AutoSize());
  EXPECT_TRUE(form.Label2().WordWrap());
  for (const ui::Label* label : {&form.Label1(), &form.Label3(), &form.Label4()}) {
    EXPECT_TRUE(label->AutoSize()) << label->Name();
    EXPECT_FALSE(label->WordWrap()) << label->Name();
  }
}

TEST_F(MainWindowTest, PhotographIsStretchedAndTheIconKeepsItsSize) {
  EXPECT_FALSE(form.Image2().Picture().empty());
  EXPECT_TRUE(form.Image2().Stretch());
  EXPECT_FALSE(form.Image1().Picture().empty());
  EXPECT_FALSE(form.Image1().Stretch());
  EXPECT_NE(form.Image1().Picture(), form.Image2().Picture());
}

TEST_F(MainWindowTest, GaugeIsEmptyOverZeroToTwoHundred) {
  EXPECT_EQ(form.ProgressBar1().Min(), 0);
  EXPECT_EQ(form.ProgressBar1().Max(), 200);
  EXPECT_EQ(form.ProgressBar1().Position(), 0);
}

TEST_F(MainWindowTest, PanelHasAOnePixelRaisedEdge) {
  EXPECT_EQ(form.Panel1().BevelOuter(), ui::Bevel::Raised);
  EXPECT_EQ(form.Panel1().BevelWidth(), 1);
}

TEST_F(MainWindowTest, BothTimersWaitDisabledWithTheirIntervals) {
  EXPECT_EQ(form.Timer1().Name(), "Timer1");
  EXPECT_FALSE(form.Timer1().Enabled());
  EXPECT_EQ(form.Timer1().Interval(), 450u);
  EXPECT_EQ(form.Timer2().Name(), "Timer2");
  EXPECT_FALSE(form.Timer2().Enabled());
  EXPECT_EQ(form.Timer2().Interval(), 500u);
}

TEST_F(MainWindowTest, NoAnswerIsSelectedAndSelectingOneClearsTheOthers) {
  for (const ui::RadioButton* answer : {&form.RadioButton1(), &form.RadioButton2(), &form.RadioButton3()}) {
    EXPECT_FALSE(answer->Checked()) << answer->Name();
  }
  form.RadioButton2().SetChecked(true);
  form.RadioButton3().SetChecked(true);
  EXPECT_FALSE(form.RadioButton1().Checked());
  EXPECT_FALSE(form.RadioButton2().Checked());
  EXPECT_TRUE(form.RadioButton3().Checked());
}

// At creation only the gauge can take the focus by Tab; with the question
// controls showing, Tab runs selected answer, gauge, "?" and round again.
TEST_F(MainWindowTest, TabVisitsOnlyTheGaugeAtCreation) {
  form.Show();
  form.KeyDown(ui::kKeyTab, {});
  EXPECT_EQ(form.ActiveControl(), &form.ProgressBar1());
  form.KeyDown(ui::kKeyTab, {});
  EXPECT_EQ(form.ActiveControl(), &form.ProgressBar1());
}

TEST_F(MainWindowTest, TabRunsThroughTheSelectedAnswerTheGaugeAndTheAnswerCommand) {
  form.Show();
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &form.GroupBox2(), &form.RadioGroup1(), &form.RadioButton1(), &form.RadioButton2(),
           &form.RadioButton3(), &form.Button1()}) {
    control->Show();
    control->SetEnabled(true);
  }
  form.RadioButton2().SetChecked(true);

  std::vector<std::string> visited;
  for (int i = 0; i < 4; ++i) {
    form.KeyDown(ui::kKeyTab, {});
    visited.push_back(form.ActiveControl() ? form.ActiveControl()->Name() : "none");
  }
  EXPECT_THAT(visited, ElementsAre("RadioButton2", "ProgressBar1", "Button1", "RadioButton2"));

  form.KeyDown(ui::kKeyTab, {.Shift = true});
  EXPECT_EQ(form.ActiveControl(), &form.Button1());
}

struct ExpectedMenuItem {
  std::string Name;
  std::string Caption;
  ui::ShortCut ShortCut;
  std::vector<ExpectedMenuItem> Items;
};

void ExpectMenuTree(const ui::MenuItem& item, const ExpectedMenuItem& expected) {
  SCOPED_TRACE(expected.Name);
  EXPECT_EQ(item.Name(), expected.Name);
  EXPECT_EQ(item.Caption(), expected.Caption);
  EXPECT_EQ(item.ShortCut(), expected.ShortCut);
  EXPECT_TRUE(item.Enabled());
  EXPECT_TRUE(item.Visible());
  ASSERT_EQ(item.Items().size(), expected.Items.size());
  for (std::size_t i = 0; i < expected.Items.size(); ++i) ExpectMenuTree(*item.Items()[i], expected.Items[i]);
}

TEST_F(MainWindowTest, MenuBarHoldsGameAndHelpWithTheirCommands) {
  const ui::ShortCut none{};
  const ExpectedMenuItem bar{"", "", none,
                             {{"Game1", "Game", none,
                               {{"NewGame1", "&New Game", {ui::kKeyF2, {}}, {}},
                                {"N2", "-", none, {}},
                                {"Exit1", "E&xit", none, {}}}},
                              {"Help1", "&Help", none, {{"Rules1", "How to &play ?", none, {}}}}}};
  EXPECT_EQ(form.MainMenu1().Name(), "MainMenu1");
  ExpectMenuTree(form.MainMenu1().Items(), bar);
  EXPECT_TRUE(form.N2().IsSeparator());
  EXPECT_EQ(ui::ShortCutToText(form.NewGame1().ShortCut()), "F2");
}

TEST_F(MainWindowTest, BoardIsTenByTwentyCellsOfEighteenPixelsWithTheDefaultPieces) {
  const TBrickfall& board = form.stackbox();
  EXPECT_EQ(board.Color(), clBlack);
  EXPECT_EQ(board.GridColor(), clWhite);
  EXPECT_EQ(board.BlockSize(), 18);
  EXPECT_EQ(board.Rows(), 20);
  EXPECT_EQ(board.Columns(), 10);
  EXPECT_FALSE(board.DrawGrid());
  EXPECT_THAT(board.Pieces(),
              ElementsAre("Stick;clWhite;4;0100010001000100", "Block;clRed;2;1111", "Z;clLime;3;110011000",
                          "S;clAqua;3;011110000", "T;clPurple;3;010111000", "L;clBlue;3;010010011",
                          "Inverse L;clYellow;3;010010110"));
  EXPECT_FALSE(board.Playing());
  EXPECT_EQ(board.Width(), 10 * 18 + 1);
  EXPECT_EQ(board.Height(), 20 * 18 + 1);
}

TEST_F(MainWindowTest, BoardIsEmptyAndBlackWhenFirstPainted) {
  form.Show();
  form.stackbox().Repaint();
  for (int y = 0; y < 361; y += 9) {
    for (int x = 0; x < 181; x += 9) ASSERT_EQ(form.stackbox().Canvas().Pixel(x, y), clBlack) << x << "," << y;
  }
}

TEST_F(MainWindowTest, WebLinkOpensTheAddressTheLabelShows) {
  EXPECT_EQ(form.WebLink1().Name(), "WebLink1");
  EXPECT_EQ(form.WebLink1().URL(), form.Label4().Caption());
  EXPECT_EQ(form.WebLink1().URL(), kHomepageUrl);
  EXPECT_FALSE(form.WebLink1().OnExecute) << "nothing runs before the shell is asked";
}

TEST(WebAddressTest, IsOneWellFormedHttpsAddress) {
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
