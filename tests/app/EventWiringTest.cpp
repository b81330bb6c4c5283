// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/Homepage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "tests/ui/testing/RecordingShellService.h"
#include "ui/Application.h"
#include "ui/Keys.h"
#include "ui/Services.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ui::testing::ShownMessageBox;

// The window as start-up builds it, run unseen: every event is played the
// way the platform plays it, through the application's error guard.
class EventWiringTest : public ::testing::Test {
 protected:
  EventWiringTest() {
    application.SetTitle(kApplicationTitle);
    form = &application.CreateForm<TForm1>();
    application.Run();
  }

  void Play(const std::function<void()>& event) { ui::Application::Guard(&application, event); }
  void Key(int key, ui::ShiftState shift = {}) { Play([&] { form->KeyDown(key, shift); }); }
  void Character(char character) { Play([&] { form->KeyPress(character); }); }

  // The first answer button always carries the correct answer.
  void AnswerCorrectly() {
    Play([&] { form->RadioButton1().Click(); });
    Play([&] { form->Button1().Click(); });
  }

  void StartFreePlay() {
    Key(ui::kKeyF2);
    AnswerCorrectly();
    ASSERT_TRUE(form->Timer1().Enabled());
    ASSERT_TRUE(form->stackbox().Playing());
  }

  ui::testing::RecordingMessageBoxService boxes;
  ui::testing::RecordingShellService shell;
  ui::Application application;
  TForm1* form = nullptr;
};

TEST_F(EventWiringTest, EveryEventOfTheWindowIsWired) {
  EXPECT_TRUE(form->OnKeyDown);
  EXPECT_TRUE(form->OnKeyPress);
  EXPECT_TRUE(form->stackbox().OnLineFull);
  EXPECT_TRUE(form->stackbox().OnGameEnd);
  EXPECT_TRUE(form->Button1().OnClick);
  EXPECT_TRUE(form->Label4().OnClick);
  EXPECT_TRUE(form->Timer1().OnTimer);
  EXPECT_TRUE(form->Timer2().OnTimer);
  EXPECT_TRUE(form->NewGame1().OnClick);
  EXPECT_TRUE(form->Exit1().OnClick);
  EXPECT_TRUE(form->Rules1().OnClick);
  for (const ui::Control* silent : std::initializer_list<const ui::Control*>{
           &form->Image2(), &form->GroupBox2(), &form->Label2(), &form->ProgressBar1(), &form->RadioGroup1(),
           &form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3(), &form->Panel1(), &form->Image1(),
           &form->Label1(), &form->Label3()}) {
    EXPECT_FALSE(silent->OnClick) << silent->Name();
  }
  EXPECT_FALSE(form->Game1().OnClick);
  EXPECT_FALSE(form->Help1().OnClick);
}

TEST_F(EventWiringTest, F2StartsAGameAndAsksTheFirstQuestion) {
  EXPECT_EQ(form->KeyDown(ui::kKeyF2, {}), ui::KeyRoute::MenuShortCut);
  EXPECT_TRUE(form->stackbox().Playing());
  EXPECT_TRUE(form->GroupBox2().Visible());
  EXPECT_TRUE(form->RadioButton1().Enabled());
  EXPECT_FALSE(form->Image2().Visible());
  EXPECT_FALSE(form->Timer1().Enabled()) << "the piece waits for the answer";
}

enum class FocusAt { Nothing, AnswerCommand, SelectedAnswer, Gauge };

void PrintTo(FocusAt focus, std::ostream* out) {
  constexpr const char* kNames[] = {"nothing", "answer command", "selected answer", "gauge"};
  *out << kNames[static_cast<int>(focus)];
}

class F2WithTheFocusTest : public EventWiringTest, public ::testing::WithParamInterface<FocusAt> {};

// A control with the focus must not swallow the shortcut: the menu sees
// every key first.
TEST_P(F2WithTheFocusTest, StartsANewGameWhereverTheFocusIs) {
  Key(ui::kKeyF2);
  Play([&] { form->RadioButton2().Click(); });
  switch (GetParam()) {
    case FocusAt::Nothing: form->SetActiveControl(nullptr); break;
    case FocusAt::AnswerCommand: form->Button1().SetFocus(); break;
    case FocusAt::SelectedAnswer: form->RadioButton2().SetFocus(); break;
    case FocusAt::Gauge: form->ProgressBar1().SetFocus(); break;
  }
  form->stackbox().SetCell(1, 20, 1);

  EXPECT_EQ(form->KeyDown(ui::kKeyF2, {}), ui::KeyRoute::MenuShortCut);
  EXPECT_EQ(form->stackbox().Cell(1, 20), 0) << "the new game cleared the board";
  EXPECT_TRUE(form->stackbox().Playing());
  EXPECT_THAT(boxes.Shown(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Focus, F2WithTheFocusTest,
                         ::testing::Values(FocusAt::Nothing, FocusAt::AnswerCommand, FocusAt::SelectedAnswer,
                                           FocusAt::Gauge));

TEST_F(EventWiringTest, CorrectAnswerStartsFreePlayWithThePictureShowing) {
  StartFreePlay();
  EXPECT_TRUE(form->Timer2().Enabled());
  EXPECT_TRUE(form->Image2().Visible());
  EXPECT_FALSE(form->GroupBox2().Visible());
  EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(EventWiringTest, FallTimerLowersThePiece) {
  StartFreePlay();
  const TBrickfall& board = form->stackbox();
  ASSERT_TRUE(board.CanMove(0, 1));
  const int row = board.CurY();
  Play([&] { form->Timer1().Tick(); });
  EXPECT_EQ(board.CurY(), row + 1);
}

TEST_F(EventWiringTest, FreePlayTimerFillsTheGauge) {
  StartFreePlay();
  const int before = form->ProgressBar1().Position();
  Play([&] { form->Timer2().Tick(); });
  EXPECT_EQ(form->ProgressBar1().Position(), before + 5);
}

TEST_F(EventWiringTest, ArrowKeysAndCharactersSteerThePieceDuringFreePlay) {
  StartFreePlay();
  const TBrickfall& board = form->stackbox();
  ASSERT_TRUE(board.CanMove(-1, 0));
  const int column = board.CurX();
  Key(ui::kKeyLeft);
  EXPECT_EQ(board.CurX(), column - 1) << "the arrow reached the window's key handler, not focus navigation";
  Key(ui::kKeyRight);
  EXPECT_EQ(board.CurX(), column);

  Character(' ');
  EXPECT_FALSE(board.CanMove(0, 1)) << "the space bar dropped the piece";
}

TEST_F(EventWiringTest, RemovedRowsScoreInTheWindowsCaption) {
  const int before = form->Game().Score();
  Play([&] { form->stackbox().OnLineFull(form->stackbox(), 2); });
  EXPECT_EQ(form->Game().Score(), before + 20);
  EXPECT_NE(form->Caption(), "Tolvanix PlimBora");
  EXPECT_NE(form->Caption().find(std::to_string(before + 20)), std::string::npos) << form->Caption();
}

TEST_F(EventWiringTest, EndOfTheBoardsGameStopsBothTimers) {
  StartFreePlay();
  Play([&] { form->stackbox().OnGameEnd(form->stackbox()); });
  EXPECT_FALSE(form->Timer1().Enabled());
  EXPECT_FALSE(form->Timer2().Enabled());
}

TEST_F(EventWiringTest, HowToPlayShowsTheRulesInABoxThatLeavesTheWindowUsable) {
  Play([&] { form->Rules1().Click(); });
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown().front().Owner, ui::MessageBoxOwner::None);
}

TEST_F(EventWiringTest, ExitClosesTheMainWindow) {
  Play([&] { form->Exit1().Click(); });
  EXPECT_TRUE(form->Closed());
  EXPECT_FALSE(form->Visible());
}

TEST_F(EventWiringTest, ClickOnTheAddressOpensTheMakersWebSite) {
  Play([&] { form->Label4().Click(); });
  EXPECT_THAT(shell.Opened(), ElementsAre(kHomepageUrl));
  EXPECT_THAT(boxes.Shown(), IsEmpty());
}

// The report of a failed handler appends a period only after a letter,
// digit, ":" or "?", so the link's text gains one and the board's keeps its
// own; the game is not disturbed.
TEST_F(EventWiringTest, FailedLinkIsReportedWithOnePeriodAndTheGameGoesOn) {
  StartFreePlay();
  shell.SetResult(1);
  Play([&] { form->Label4().Click(); });
  const ShownMessageBox expected{"An unknown eror has occured.", "Tolvanix Plimbora", ui::MB_OK | ui::MB_ICONSTOP,
                                 ui::MessageBoxOwner::Application};
  EXPECT_THAT(boxes.Shown(), ElementsAre(expected));
  EXPECT_TRUE(form->Timer1().Enabled());
  EXPECT_TRUE(form->Timer2().Enabled());

  const int row = form->stackbox().CurY();
  Play([&] { form->Timer1().Tick(); });
  EXPECT_NE(form->stackbox().CurY(), row) << "the piece still falls after the report";
}

TEST_F(EventWiringTest, FailedNewGameIsReportedUnchangedUnderTheApplicationTitle) {
  form->stackbox().SetPieces({});
  Key(ui::kKeyF2);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown().front().Text, "No pieces to initialize.");
  EXPECT_EQ(boxes.Shown().front().Caption, "Tolvanix Plimbora");
  EXPECT_EQ(boxes.Shown().front().Flags, ui::MB_OK | ui::MB_ICONSTOP);

  form->stackbox().SetPieces({"Block;clRed;2;1111"});
  Key(ui::kKeyF2);
  EXPECT_TRUE(form->stackbox().Playing()) << "the menu works after the report";
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

}  // namespace
