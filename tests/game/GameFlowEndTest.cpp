// SPDX-License-Identifier: MIT
// The end of a game in each phase, play on an ended board, and the
// failures a handler passes on to the error report.
#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/game/GameFlowFixture.h"

namespace {

// Rows 2..20 are full but for column 1, and the gap is roofed on row 1, so
// no piece can come down from its entry place and no row is ever complete.
constexpr const char* kWalledIn =
    "X.........\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n"
    ".XXXXXXXXX";

// A shaft four rows deep under the stick's column: the stick lands in it,
// after which every piece enters onto a full-width floor and ends the game.
constexpr const char* kShaftForTheStick =
    "..........\n"
    ".XXXX.XXXX\n.XXXX.XXXX\n.XXXX.XXXX\n.XXXX.XXXX\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX\n"
    ".XXXXXXXXX\n.XXXXXXXXX\n.XXXXXXXXX";

TEST_F(GameFlowTest, GameEndDuringFreePlayFreezesTheWindowAsItStands) {
  StartGameWithPiece(kStick);
  LoadPicture(stackbox, kShaftForTheStick);
  AnswerCorrectly();
  const std::string title = window.Caption();

  // The stick reaches the bottom of its shaft on the third fall tick and
  // lands on the fourth; the next piece cannot come down on the fifth.
  timers.Advance(5 * 450);

  ASSERT_FALSE(stackbox.Playing());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(PictureShown());
  EXPECT_EQ(window.ProgressBar1().Position(), 20);
  EXPECT_EQ(window.Caption(), title);

  const std::string board = PictureOf(stackbox);
  const std::string piece = FallingPiece();
  timers.Advance(60000);
  Press(ui::kKeyLeft);
  Press(ui::kKeyDown);
  Press(ui::kKeySpace, ' ');
  EXPECT_EQ(PictureOf(stackbox), board);
  EXPECT_EQ(FallingPiece(), piece);
  EXPECT_EQ(window.ProgressBar1().Position(), 20);
  EXPECT_TRUE(PictureShown());
}

TEST_F(GameFlowTest, GameEndDuringAWrongAnswerLeavesTheNextQuestionShownAndAnswerable) {
  NewGame();
  LoadPicture(stackbox, kWalledIn);
  clockTime = TimeWithAnotherQuestionThan(clockTime);

  Answer();

  ASSERT_FALSE(stackbox.Playing());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_TRUE(window.Button1().Enabled());
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));

  // Answering goes on against the ended board, through every step.
  clockTime = TimeWithAnotherQuestionThan(clockTime);
  Answer();
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));
  EXPECT_FALSE(stackbox.Playing());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(QuestionPanelShown());
}

TEST_F(GameFlowTest, GameEndDuringACorrectAnswerStillGrantsFreePlayOverTheEndedBoard) {
  NewGame();
  LoadPicture(stackbox, kWalledIn);
  clockTime = TimeWithAnotherQuestionThan(clockTime);
  const QuizQuestion loadedAtTheAnswer = NumberedQuestion(QuestionNumberAt(clockTime));

  AnswerCorrectly();

  ASSERT_FALSE(stackbox.Playing());
  EXPECT_TRUE(BothTimersRun());
  EXPECT_TRUE(PictureShown());
  EXPECT_EQ(window.ProgressBar1().Position(), 0);

  // Free play runs its full length, the fall timer landing piece after piece
  // on the ended board, and the question comes back.
  timers.Advance(40 * 500);
  EXPECT_FALSE(stackbox.Playing());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_EQ(QuestionInPanel(), loadedAtTheAnswer);
}

TEST_F(GameFlowTest, NewGameAfterTheEndStartsAFreshGameWithTheScoreKept) {
  NewGame();
  LoadPicture(stackbox, kWalledIn);
  Answer();
  ASSERT_FALSE(stackbox.Playing());
  const std::int32_t score = flow.Score();

  NewGame();

  EXPECT_TRUE(stackbox.Playing());
  EXPECT_EQ(PictureOf(stackbox), kEmptyBoard);
  EXPECT_EQ(flow.Score(), score);
  EXPECT_TRUE(QuestionPanelShown());
}

// --- Failures go to the error report; the steps before them stay done ---

TEST_F(GameFlowTest, FailedBoardStartLeavesTheQuestionPanelReadyAndTheOldTexts) {
  stackbox.SetPieces({});
  window.ProgressBar1().SetPosition(50);

  EXPECT_THROW(NewGame(), Exception);

  EXPECT_TRUE(QuestionPanelShown());
  for (ui::Control* control : QuestionPanel()) EXPECT_TRUE(control->Enabled());
  EXPECT_EQ(window.Caption(), "Tolvanix Plimbora");
  EXPECT_EQ(window.ProgressBar1().Position(), 0);
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(window.Label2().Caption(), "You must start a new game !");
  EXPECT_EQ(window.RadioButton1().Caption(), "Answer 1");
}

TEST_F(GameFlowTest, RefusedFreePlayTimerEndsTheAnswerWhereItFailed) {
  NewGame();
  const QuizQuestion asked = QuestionInPanel();
  timers.SetRefuseTimers(true);

  try {
    AnswerCorrectly();
    FAIL() << "the refusal must reach the error report";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Not enough timers available");
  }

  EXPECT_TRUE(PictureShown());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(QuestionInPanel(), asked) << "no next question after the failed step";
}

}  // namespace
