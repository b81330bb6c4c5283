// SPDX-License-Identifier: MIT
// New games, answer orders, free play, keys, score and the menu commands.
#include <gtest/gtest.h>

#include "tests/game/GameFlowFixture.h"

namespace {

TEST_F(GameFlowTest, NewGameAsksTheFirstQuestionWhileTheFirstPieceHangsAtItsEntry) {
  window.ProgressBar1().SetPosition(120);
  NewGame();

  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_EQ(window.Caption(), "Tolvanix Plimbora");
  EXPECT_EQ(window.ProgressBar1().Position(), 0);
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(window.Timer1().Interval(), 450u);
  for (ui::Control* control : QuestionPanel()) EXPECT_TRUE(control->Enabled());
  EXPECT_TRUE(window.Label2().Enabled());
  EXPECT_TRUE(NoAnswerSelected());
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));
  EXPECT_TRUE(stackbox.Playing());

  const std::string entry = FallingPiece();
  timers.Advance(60000);
  EXPECT_EQ(FallingPiece(), entry) << "nothing may move before the first answer";
}

TEST_F(GameFlowTest, NewGameClearsASelectionLeftFromBefore) {
  NewGame();
  window.RadioButton2().Click();
  NewGame();
  EXPECT_TRUE(NoAnswerSelected());
}

struct SlotCase {
  int Pattern;
  int TopOfCorrect, TopOfWrongA, TopOfWrongB;
};

void PrintTo(const SlotCase& c, std::ostream* os) { *os << "pattern " << c.Pattern; }

class SlotPatternTest : public GameFlowTest, public testing::WithParamInterface<SlotCase> {};

// The buttons move; their captions, and so the roles, stay with them.
TEST_P(SlotPatternTest, AnswersTakeTheirPatternsSlotsAndKeepTheirRoles) {
  const SlotCase& slots = GetParam();
  clockTime = FirstTimeWhere([&](std::uint32_t time) { return SlotPatternAt(time) == slots.Pattern; });
  NewGame();

  EXPECT_EQ(window.RadioButton1().Top(), slots.TopOfCorrect);
  EXPECT_EQ(window.RadioButton2().Top(), slots.TopOfWrongA);
  EXPECT_EQ(window.RadioButton3().Top(), slots.TopOfWrongB);
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));
}

INSTANTIATE_TEST_SUITE_P(ThreeRotations, SlotPatternTest,
                         testing::Values(SlotCase{1, 248, 280, 312},   // correct, first wrong, second wrong
                                         SlotCase{2, 280, 312, 248},   // second wrong, correct, first wrong
                                         SlotCase{3, 312, 248, 280}));  // first wrong, second wrong, correct

TEST_F(GameFlowTest, MissingQuestionFileGivesEmptyTextsAndTheFirstButtonStaysTheCorrectOne) {
  std::filesystem::remove(questionFile);
  NewGame();
  EXPECT_EQ(QuestionInPanel(), QuizQuestion{});

  Answer();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "The correct answer was: ");
  AnswerCorrectly();
  EXPECT_TRUE(PictureShown());
}

// --- A correct answer and free play ---

TEST_F(GameFlowTest, CorrectAnswerLowersThePieceAndStartsFreePlayWithTheNextQuestionHidden) {
  StartGameWithPiece(kBlock);
  clockTime = TimeWithAnotherQuestionThan(clockTime);
  const QuizQuestion loadedAtTheAnswer = NumberedQuestion(QuestionNumberAt(clockTime));

  AnswerCorrectly();

  EXPECT_EQ(FallingPiece(), "(4,1) (5,1) (4,2) (5,2)");
  EXPECT_TRUE(PictureShown());
  EXPECT_TRUE(BothTimersRun());
  EXPECT_EQ(window.ProgressBar1().Position(), 0);
  EXPECT_EQ(QuestionInPanel(), loadedAtTheAnswer);
  EXPECT_TRUE(NoAnswerSelected());
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(GameFlowTest, FallTimerLowersThePieceOneRowPerTickFromAFullIntervalAfterTheAnswer) {
  StartGameWithPiece(kBlock);
  AnswerCorrectly();

  timers.Advance(449);
  EXPECT_EQ(stackbox.CurY(), 1);
  timers.Advance(1);
  EXPECT_EQ(stackbox.CurY(), 2);
  timers.Advance(450 * 3);
  EXPECT_EQ(stackbox.CurY(), 5);
}

TEST_F(GameFlowTest, FortiethFreePlayTickBringsBackTheQuestionLoadedAtTheAnswer) {
  NewGame();
  clockTime = TimeWithAnotherQuestionThan(clockTime);
  const QuizQuestion loadedAtTheAnswer = NumberedQuestion(QuestionNumberAt(clockTime));
  AnswerCorrectly();
  // A question drawn now would be another one.
  clockTime = TimeWithAnotherQuestionThan(clockTime);

  timers.Advance(39 * 500);
  EXPECT_EQ(window.ProgressBar1().Position(), 195);
  EXPECT_TRUE(PictureShown());
  EXPECT_TRUE(BothTimersRun());

  timers.Advance(500);
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_EQ(window.ProgressBar1().Position(), 0) << "-5 is kept as the gauge's minimum";
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(QuestionInPanel(), loadedAtTheAnswer);
  EXPECT_TRUE(NoAnswerSelected());
}

TEST_F(GameFlowTest, FreePlayGaugeFillsByFivePerTick) {
  NewGame();
  AnswerCorrectly();
  for (int tick = 1; tick <= 39; ++tick) {
    timers.Advance(500);
    ASSERT_EQ(window.ProgressBar1().Position(), 5 * tick) << "tick " << tick;
  }
}

TEST_F(GameFlowTest, PieceStillFallingWhenFreePlayEndsHangsThereUntilTheNextAnswer) {
  StartGameWithPiece(kBlock);
  AnswerCorrectly();
  // 44 fall ticks in 20 s land the block after 19 of them and lower the
  // next piece by the rest.
  timers.Advance(40 * 500);
  ASSERT_TRUE(QuestionPanelShown());
  const std::string hanging = FallingPiece();

  timers.Advance(60000);
  EXPECT_EQ(FallingPiece(), hanging);
  AnswerCorrectly();
  EXPECT_NE(FallingPiece(), hanging) << "the next answer lowers that same piece";
}

TEST_F(GameFlowTest, NewGameDuringFreePlayStopsItAndAsksANewQuestion) {
  StartGameWithPiece(kBlock);
  AnswerCorrectly();
  timers.Advance(12 * 500);
  ASSERT_EQ(window.ProgressBar1().Position(), 60);
  stackbox.SetCell(1, 20, 1);
  clockTime = TimeWithAnotherQuestionThan(clockTime);

  NewGame();

  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(window.ProgressBar1().Position(), 0);
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));
  EXPECT_EQ(stackbox.Cell(1, 20), 0) << "the board starts afresh";
  EXPECT_TRUE(stackbox.Playing());
  EXPECT_EQ(stackbox.CurY(), kEntryPlaces[static_cast<std::size_t>(stackbox.CurIndex())].Y);
}

// --- Keys ---

TEST_F(GameFlowTest, KeysSteerThePieceDuringFreePlay) {
  StartGameWithPiece(kBlock);
  AnswerCorrectly();
  ASSERT_EQ(FallingPiece(), "(4,1) (5,1) (4,2) (5,2)");

  Press(ui::kKeyLeft);
  EXPECT_EQ(FallingPiece(), "(3,1) (4,1) (3,2) (4,2)");
  Press(ui::kKeyRight);
  Press(ui::kKeyRight);
  EXPECT_EQ(FallingPiece(), "(5,1) (6,1) (5,2) (6,2)");
  Press(ui::kKeyDown);
  EXPECT_EQ(FallingPiece(), "(5,2) (6,2) (5,3) (6,3)");
  Press(ui::kKeySpace, ' ');
  EXPECT_EQ(FallingPiece(), "(5,19) (6,19) (5,20) (6,20)");
  EXPECT_EQ(stackbox.Cell(5, 20), 0) << "a dropped piece is fixed only by the next step down";
  Press(ui::kKeyDown);
  EXPECT_EQ(PictureOf(stackbox, 2), "....22....\n....22....");
}

TEST_F(GameFlowTest, UpTurnsCounterClockwiseAndZeroClockwiseDuringFreePlay) {
  StartGameWithPiece(kStick);
  AnswerCorrectly();
  // The stick stands in column 2 of its 4 x 4 box.
  ASSERT_EQ(FallingPiece(), "(6,-1) (6,0) (6,1) (6,2)");

  Press('0', '0');
  EXPECT_EQ(FallingPiece(), "(5,0) (6,0) (7,0) (8,0)");
  Press(ui::kKeyUp);
  EXPECT_EQ(FallingPiece(), "(6,-1) (6,0) (6,1) (6,2)");
  Press(ui::kKeyUp);
  EXPECT_EQ(FallingPiece(), "(5,1) (6,1) (7,1) (8,1)");
}

struct KeyCase {
  const char* Name;
  int Key;
  char Character;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.Name; }

class QuestionPhaseKeyTest : public GameFlowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(QuestionPhaseKeyTest, LeavesTheBoardUntouched) {
  NewGame();
  const std::string before = FallingPiece();
  Press(GetParam().Key, GetParam().Character);
  EXPECT_EQ(FallingPiece(), before);
  EXPECT_EQ(PictureOf(stackbox), kEmptyBoard);
}

TEST_P(QuestionPhaseKeyTest, IsConsumedByTheWindow) {
  NewGame();
  int key = GetParam().Key;
  flow.FormKeyUp(window, key, {});
  EXPECT_EQ(key, 0);
}

INSTANTIATE_TEST_SUITE_P(SteeringKeys, QuestionPhaseKeyTest,
                         testing::Values(KeyCase{"Left", ui::kKeyLeft, 0}, KeyCase{"Up", ui::kKeyUp, 0},
                                         KeyCase{"Right", ui::kKeyRight, 0}, KeyCase{"Down", ui::kKeyDown, 0},
                                         KeyCase{"Space", ui::kKeySpace, ' '}, KeyCase{"Zero", '0', '0'}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GameFlowTest, CharactersPassOnToTheFocusedControl) {
  NewGame();
  AnswerCorrectly();
  char space = ' ';
  flow.FormKeyPress(window, space);
  EXPECT_EQ(space, ' ');
}

// The window takes every key-down first, so space on the focused "?"
// never reaches the button as a click.
TEST_F(GameFlowTest, SpaceOnTheFocusedAnswerCommandDoesNotAnswer) {
  NewGame();
  window.Button1().SetFocus();
  Press(ui::kKeySpace, ' ');
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(QuestionPanelShown());
}

// --- Score ---

TEST_F(GameFlowTest, TwoRowsAtOnceAddTwentyToTheScoreInTheCaption) {
  StartGameWithPiece(kBlock);
  LoadPicture(stackbox,
              "XXX..XXXXX\n"
              "XXX..XXXXX");
  ASSERT_EQ(flow.Score(), 0) << "a run starts with no score";
  AnswerCorrectly();
  Press(ui::kKeySpace, ' ');
  Press(ui::kKeyDown);

  EXPECT_EQ(flow.Score(), 20);
  EXPECT_EQ(window.Caption(), "Tolvanix Plimbora - Score : 20");
  EXPECT_EQ(PictureOf(stackbox, 2), "..........\n..........");
}

TEST_F(GameFlowTest, ScoreSurvivesNewGameWhileTheCaptionStartsAfresh) {
  StartGameWithPiece(kBlock);
  LoadPicture(stackbox, "XXX..XXXXX");
  AnswerCorrectly();
  Press(ui::kKeySpace, ' ');
  Press(ui::kKeyDown);
  ASSERT_EQ(flow.Score(), 10);

  StartGameWithPiece(kBlock);
  EXPECT_EQ(window.Caption(), "Tolvanix Plimbora");
  EXPECT_EQ(flow.Score(), 10);

  LoadPicture(stackbox, "XXX..XXXXX");
  AnswerCorrectly();
  Press(ui::kKeySpace, ' ');
  Press(ui::kKeyDown);
  EXPECT_EQ(window.Caption(), "Tolvanix Plimbora - Score : 20");
}

// --- Menu commands ---

TEST_F(GameFlowTest, RulesAreShownInAnUnownedQuestionBox) {
  flow.Rules1Click(window);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0],
            (ui::testing::ShownMessageBox{
                "If you give a correct answer you will be able to play for 10 seconds, but else a piece will "
                "drop down. Use the arrow keys to move the pieces. With the up arrow you can rotate the pieces "
                "and with the space bar you can let them drop down. ",
                "Tolvanix Plimbora", 0x20, ui::MessageBoxOwner::None}));
}

TEST_F(GameFlowTest, FreePlayGoesOnWhileTheRulesAreOpen) {
  NewGame();
  AnswerCorrectly();
  boxes.WhileOpen = [&](const auto&) { timers.Advance(1000); };
  flow.Rules1Click(window);
  EXPECT_EQ(window.ProgressBar1().Position(), 10);
  EXPECT_EQ(stackbox.CurY(), kEntryPlaces[static_cast<std::size_t>(stackbox.CurIndex())].Y + 3);
}

TEST_F(GameFlowTest, ExitClosesTheWindow) {
  flow.Exit1Click(window);
  EXPECT_TRUE(window.Closed());
}

}  // namespace
