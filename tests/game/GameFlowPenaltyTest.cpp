// SPDX-License-Identifier: MIT
// Wrong answers: the message, the pushes in the order drawn, the drop, and
// what the player may do while the message is open.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/game/GameFlowFixture.h"

namespace {

struct Cell {
  int Column, Row;
};
using PieceCells = std::array<Cell, 4>;

// The cells of each default piece at its entry place on a 10-column board;
// the lowest row of each is row 1.
constexpr std::array<PieceCells, kDefaultPieceCount> kEntryCells{{
    {{{6, -2}, {6, -1}, {6, 0}, {6, 1}}},  // Stick
    {{{4, 0}, {5, 0}, {4, 1}, {5, 1}}},    // Block
    {{{4, 0}, {5, 0}, {5, 1}, {6, 1}}},    // Z
    {{{5, 0}, {6, 0}, {4, 1}, {5, 1}}},    // S
    {{{5, 0}, {4, 1}, {5, 1}, {6, 1}}},    // T
    {{{5, -1}, {5, 0}, {5, 1}, {6, 1}}},   // L
    {{{5, -1}, {5, 0}, {4, 1}, {5, 1}}},   // Inverse L
}};

int FilledCells(const std::string& picture) {
  return static_cast<int>(std::count_if(picture.begin(), picture.end(), [](char c) { return c != '.' && c != '\n'; }));
}

std::string CellsText(const PieceCells& cells) {
  std::string text;
  for (const Cell& cell : cells) {
    if (!text.empty()) text += ' ';
    text += CellText(cell.Column, cell.Row);
  }
  return text;
}

// The penalty that the game will draw from `seed`: each push is +1 (right)
// or -1 (left); then the board draws the piece after the dropped one.
struct Penalty {
  std::vector<int> Pushes;
  int NextPiece = 0;
};

Penalty PenaltyDrawnFrom(std::uint32_t seed) {
  DrawsFrom draws(seed);
  Penalty penalty;
  const int count = draws.Below(4) + 1;
  for (int push = 0; push < count; ++push) {
    const int direction = draws.Below(4);
    penalty.Pushes.push_back(direction == 0 || direction == 2 ? +1 : -1);
  }
  penalty.NextPiece = draws.Below(kDefaultPieceCount);
  return penalty;
}

// Row 1 of the board holds two fixed cells, at columns 3 and 8: a corridor
// that pieces entering on row 1 can be pushed along only so far.
constexpr const char* kCorridor = "..X....X..";

// The columns by which each piece can leave its entry place within the
// corridor: its row-1 cells must stay in columns 4..7. (The Z and the S
// are listed for completeness; their overhang may hit a wall as they drop.)
struct Reach {
  int Left, Right;
};
constexpr std::array<Reach, kDefaultPieceCount> kCorridorReach{{
    {-2, 1}, {0, 2}, {-1, 1}, {0, 2}, {0, 1}, {-1, 1}, {0, 2}}};

// Where the pushes leave the piece: each blocked push still counts but moves
// nothing, so the order of the pushes decides the place.
int ShiftAfter(const std::vector<int>& pushes, Reach reach) {
  int shift = 0;
  for (int push : pushes) shift = std::clamp(shift + push, reach.Left, reach.Right);
  return shift;
}

// Row 1 as given, a piece's cells fixed with value `piece` + 1 at the
// bottom of the board shifted by `shift` columns, and nothing else.
std::string BoardWith(const std::string& rowOne, int piece, int shift) {
  std::vector<std::string> rows(20, "..........");
  rows[0] = rowOne;
  for (const Cell& cell : kEntryCells[static_cast<std::size_t>(piece)]) {
    rows[static_cast<std::size_t>(cell.Row + 18)][static_cast<std::size_t>(cell.Column + shift - 1)] =
        static_cast<char>(piece == 0 ? 'X' : '1' + piece);
  }
  std::string picture;
  for (const std::string& row : rows) picture += (picture.empty() ? "" : "\n") + row;
  return picture;
}

enum class WrongChoice { SecondButton, ThirdButton, Nothing };

struct WrongCase {
  const char* Name;
  WrongChoice Choice;
  std::uint32_t SearchFrom;
};

void PrintTo(const WrongCase& c, std::ostream* os) { *os << c.Name; }

class WrongAnswerTest : public GameFlowTest, public testing::WithParamInterface<WrongCase> {
 protected:
  void Choose(WrongChoice choice) {
    if (choice == WrongChoice::SecondButton) window.RadioButton2().Click();
    if (choice == WrongChoice::ThirdButton) window.RadioButton3().Click();
  }

  // A game whose penalty has a push blocked by the corridor that another
  // order of the same pushes would not have blocked, so the order shows.
  void StartGameWithTellingPenalty(std::uint32_t from) {
    clockTime = FirstTimeWhere(
        [](std::uint32_t time) {
          const int piece = FirstPieceAt(time);
          // The Z and the S overhang their lowest row, so a wall of the
          // corridor could catch them on the way down.
          if (piece == 2 || piece == 3) return false;
          // The question reseeds from the same clock before the penalty.
          DrawsFrom question(time);
          question.Below(kQuestionCount);
          question.Below(3);
          const Penalty penalty = PenaltyDrawnFrom(RandSeed());
          std::vector<int> reversed(penalty.Pushes.rbegin(), penalty.Pushes.rend());
          const Reach reach = kCorridorReach[static_cast<std::size_t>(piece)];
          return ShiftAfter(penalty.Pushes, reach) != ShiftAfter(reversed, reach);
        },
        from);
    NewGame();
    LoadCorridor();
  }

  void LoadCorridor() {
    for (int column = 1; column <= 10; ++column) {
      if (kCorridor[column - 1] == 'X') stackbox.SetCell(column, 1, 1);
    }
  }
};

TEST_P(WrongAnswerTest, NamesTheCorrectAnswerPushesInTheDrawnOrderAndFixesTheDroppedPiece) {
  StartGameWithTellingPenalty(GetParam().SearchFrom);
  const int asked = QuestionNumberAt(clockTime);
  const int piece = stackbox.CurIndex();
  ASSERT_EQ(FallingPiece(), CellsText(kEntryCells[static_cast<std::size_t>(piece)]));
  const Penalty penalty = PenaltyDrawnFrom(RandSeed());
  clockTime = TimeWithAnotherQuestionThan(clockTime);

  Choose(GetParam().Choice);
  Answer();

  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0], (ui::testing::ShownMessageBox{"The correct answer was: " + NumberedQuestion(asked).Correct,
                                                            "Tolvanix Plimbora", 0x20, ui::MessageBoxOwner::None}));
  const int shift = ShiftAfter(penalty.Pushes, kCorridorReach[static_cast<std::size_t>(piece)]);
  EXPECT_EQ(PictureOf(stackbox), BoardWith(kCorridor, piece, shift));
  EXPECT_EQ(stackbox.CurIndex(), penalty.NextPiece);
  EXPECT_EQ(FallingPiece(), CellsText(kEntryCells[static_cast<std::size_t>(penalty.NextPiece)]));

  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_EQ(QuestionInPanel(), NumberedQuestion(QuestionNumberAt(clockTime)));
  EXPECT_TRUE(NoAnswerSelected());
  EXPECT_TRUE(stackbox.Playing());
}

INSTANTIATE_TEST_SUITE_P(WrongOrNone, WrongAnswerTest,
                         testing::Values(WrongCase{"FirstWrongAnswer", WrongChoice::SecondButton, 1000},
                                         WrongCase{"SecondWrongAnswer", WrongChoice::ThirdButton, 20000},
                                         WrongCase{"NoAnswer", WrongChoice::Nothing, 40000}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GameFlowTest, PenaltyWithEveryPushBlockedDropsThePieceStraightDown) {
  StartGameWithPiece(kStick);
  // The stick's only cell on the board, (6,1), is boxed in.
  stackbox.SetCell(5, 1, 1);
  stackbox.SetCell(7, 1, 1);
  Answer();
  EXPECT_EQ(PictureOf(stackbox), BoardWith("....X.X...", kStick, 0));
}

TEST_F(GameFlowTest, PiecePlacedAfterAWrongAnswerHangsUntilTheNextAnswer) {
  NewGame();
  Answer();
  const std::string hanging = FallingPiece();
  timers.Advance(60000);
  EXPECT_EQ(FallingPiece(), hanging);
}

// --- While the wrong-answer box is open ---

// The selection is tested again after the penalty, so the right answer
// chosen while the box is open still buys free play.
TEST_F(GameFlowTest, SelectingTheCorrectAnswerWhileTheBoxIsOpenStartsFreePlayAfterThePenalty) {
  StartGameWithPiece(kBlock);
  const Penalty penalty = PenaltyDrawnFrom(RandSeed());
  boxes.WhileOpen = [&](const auto&) { window.RadioButton1().Click(); };

  Answer();

  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(stackbox.CurIndex(), penalty.NextPiece) << "the dropped piece was fixed";
  const std::string board = PictureOf(stackbox);
  EXPECT_EQ(std::count(board.begin(), board.end(), '2'), 4);
  EXPECT_TRUE(PictureShown());
  EXPECT_TRUE(BothTimersRun());
  EXPECT_EQ(window.ProgressBar1().Position(), 0);
  EXPECT_TRUE(NoAnswerSelected());
}

TEST_F(GameFlowTest, NewGameWhileTheBoxIsOpenLeavesAPlayableQuestionPhase) {
  NewGame();
  stackbox.SetCell(1, 20, 1);
  boxes.WhileOpen = [&](const auto&) { NewGame(); };

  Answer();

  // The penalty lands on the new game's first piece.
  EXPECT_EQ(FilledCells(PictureOf(stackbox)), 4);
  EXPECT_TRUE(stackbox.Playing());
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(NoAnswerSelected());
}

TEST_F(GameFlowTest, AnsweringAgainWhileTheBoxIsOpenPunishesTwice) {
  NewGame();
  boxes.WhileOpen = [&](const auto&) {
    if (boxes.OpenCount() == 1) Answer();
  };

  Answer();

  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(FilledCells(PictureOf(stackbox)), 8);
  EXPECT_TRUE(QuestionPanelShown());
  EXPECT_TRUE(BothTimersStopped());
}

// Closing only ends the application once the handlers on the stack have
// returned, so the answer under the box finishes on a whole window.
TEST_F(GameFlowTest, ExitWhileTheBoxIsOpenLetsTheAnswerFinish) {
  NewGame();
  boxes.WhileOpen = [&](const auto&) { flow.Exit1Click(window); };

  Answer();

  EXPECT_TRUE(window.Closed());
  EXPECT_EQ(FilledCells(PictureOf(stackbox)), 4) << "the penalty still landed";
  EXPECT_TRUE(BothTimersStopped());
  EXPECT_TRUE(NoAnswerSelected());
}

}  // namespace
