// SPDX-License-Identifier: MIT
// The board's properties and play rules.
#include <gtest/gtest.h>

#include <vector>

#include "base/Exception.h"
#include "base/Random.h"
#include "tests/board/BoardFixture.h"
#include "tests/board/BoardPicture.h"

namespace {

const std::vector<std::string> kDefaultLines = DefaultPieces();

std::uint32_t NextSeed(std::uint32_t seed) { return seed * 134775813U + 1U; }
std::uint32_t DrawBelow(std::uint32_t seed, std::uint32_t n) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
}

// --- Construction and properties ---

TEST_F(BoardTest, NewBoardHasItsConstructionValues) {
  EXPECT_EQ(board.Columns(), 9);
  EXPECT_EQ(board.Rows(), 20);
  EXPECT_EQ(board.BlockSize(), 16);
  EXPECT_EQ(board.Color(), clBlack);
  EXPECT_EQ(board.GridColor(), clWhite);
  EXPECT_FALSE(board.DrawGrid());
  EXPECT_FALSE(board.Playing());
  EXPECT_EQ(board.CurPiece(), nullptr);
  EXPECT_EQ(board.CurX(), 0);
  EXPECT_EQ(board.CurY(), 0);
  EXPECT_EQ(board.CurIndex(), 0);
  EXPECT_FALSE(board.OnLineFull);
  EXPECT_FALSE(board.OnGameEnd);
  EXPECT_EQ(board.Pieces().size(), 7U);
  for (int column = 1; column <= TBrickfall::kStoreColumns; ++column) {
    for (int row = 1; row <= TBrickfall::kStoreRows; ++row) ASSERT_EQ(board.Cell(column, row), 0);
  }
}

struct LimitCase {
  bool Rows;
  std::uint8_t Written;
  std::uint8_t Stored;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << (c.Rows ? "Rows " : "Columns ") << int{c.Written};
}

class GeometryLimitTest : public BoardTest, public testing::WithParamInterface<LimitCase> {};

TEST_P(GeometryLimitTest, ClampsIntoTheStore) {
  const LimitCase& c = GetParam();
  if (c.Rows) {
    board.SetRows(c.Written);
    EXPECT_EQ(board.Rows(), c.Stored);
    EXPECT_EQ(board.Columns(), 9);
  } else {
    board.SetColumns(c.Written);
    EXPECT_EQ(board.Columns(), c.Stored);
    EXPECT_EQ(board.Rows(), 20);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, GeometryLimitTest,
    testing::Values(LimitCase{true, 0, 2}, LimitCase{true, 1, 2}, LimitCase{true, 2, 2},
                    LimitCase{true, 50, 50}, LimitCase{true, 51, 50}, LimitCase{true, 60, 50},
                    LimitCase{true, 255, 50}, LimitCase{false, 0, 2}, LimitCase{false, 1, 2},
                    LimitCase{false, 10, 10}, LimitCase{false, 30, 30},
                    LimitCase{false, 31, 30}, LimitCase{false, 255, 30}));

TEST_F(BoardTest, BlockSizeTakesAnyValue) {
  board.SetBlockSize(0);
  EXPECT_EQ(board.BlockSize(), 0);
  board.SetBlockSize(255);
  EXPECT_EQ(board.BlockSize(), 255);
}

TEST_F(BoardTest, GeometryAndCatalogueWritesAreIgnoredDuringAGame) {
  Start(kDefaultLines, 10, 20);
  board.SetRows(10);
  board.SetColumns(5);
  board.SetBlockSize(30);
  board.SetPieces({kBlockLine});
  EXPECT_EQ(board.Rows(), 20);
  EXPECT_EQ(board.Columns(), 10);
  EXPECT_EQ(board.BlockSize(), 16);
  EXPECT_EQ(board.Pieces(), kDefaultLines);
}

TEST_F(BoardTest, ColoursAndGridCanChangeDuringAGame) {
  Start(kDefaultLines);
  board.SetColor(clNavy);
  board.SetGridColor(clRed);
  board.SetDrawGrid(true);
  EXPECT_EQ(board.Color(), clNavy);
  EXPECT_EQ(board.GridColor(), clRed);
  EXPECT_TRUE(board.DrawGrid());
}

// --- The cell store ---

TEST_F(BoardTest, CellsOutsideTheStoreReadEmptyAndIgnoreWrites) {
  Start({kBlockLine});
  board.SetCell(0, 1, 1);
  board.SetCell(31, 1, 1);
  board.SetCell(1, 51, 1);
  EXPECT_EQ(board.Cell(0, 1), 0);
  EXPECT_EQ(board.Cell(31, 1), 0);
  EXPECT_EQ(board.Cell(1, 51), 0);
  board.SetCell(30, 50, 1);
  EXPECT_EQ(board.Cell(30, 50), 1);
}

TEST_F(BoardTest, StoreRefusesValuesThatNameNoPiece) {
  Start({kBlockLine, kStickLine});
  board.SetCell(1, 1, 3);
  board.SetCell(2, 1, -1);
  EXPECT_EQ(board.Cell(1, 1), 0);
  EXPECT_EQ(board.Cell(2, 1), 0);
  board.SetCell(1, 1, 2);
  EXPECT_EQ(board.Cell(1, 1), 2);
}

TEST_F(BoardTest, StoreTakesNothingBeforeTheFirstGame) {
  board.SetCell(1, 1, 1);
  EXPECT_EQ(board.Cell(1, 1), 0);
}

// --- Choosing pieces and where they enter ---

struct EntryCase {
  int Index;
  std::int32_t CurX;  // on 10 columns; one less on 9
  std::int32_t CurY;
  std::vector<std::pair<int, int>> Cells;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << kDefaultLines[c.Index]; }

class EntryPositionTest : public BoardTest,
                          public testing::WithParamInterface<std::tuple<EntryCase, int>> {};

TEST_P(EntryPositionTest, PieceEntersWhereTheTableSays) {
  const auto& [entry, columns] = GetParam();
  const int shift = 10 - columns;
  Start({kDefaultLines[entry.Index]}, static_cast<std::uint8_t>(columns));
  EXPECT_EQ(board.CurX(), entry.CurX - shift);
  EXPECT_EQ(board.CurY(), entry.CurY);
  std::string cells;
  for (const auto& [column, row] : entry.Cells) {
    if (!cells.empty()) cells += ' ';
    cells += CellText(column - shift, row);
  }
  EXPECT_EQ(FallingCells(board), cells);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultCatalogue, EntryPositionTest,
    testing::Combine(
        testing::Values(EntryCase{0, 5, -2, {{6, -2}, {6, -1}, {6, 0}, {6, 1}}},
                        EntryCase{1, 4, 0, {{4, 0}, {5, 0}, {4, 1}, {5, 1}}},
                        EntryCase{2, 4, 0, {{4, 0}, {5, 0}, {5, 1}, {6, 1}}},
                        EntryCase{3, 4, 0, {{5, 0}, {6, 0}, {4, 1}, {5, 1}}},
                        EntryCase{4, 4, 0, {{5, 0}, {4, 1}, {5, 1}, {6, 1}}},
                        EntryCase{5, 4, -1, {{5, -1}, {5, 0}, {5, 1}, {6, 1}}},
                        EntryCase{6, 4, -1, {{5, -1}, {5, 0}, {4, 1}, {5, 1}}}),
        testing::Values(10, 9)),
    [](const auto& info) {
      return "Piece" + std::to_string(std::get<0>(info.param).Index) + "On" +
             std::to_string(std::get<1>(info.param)) + "Columns";
    });

struct OddEntryCase {
  std::string_view Line;
  std::int32_t CurX;
  std::int32_t CurY;
};

void PrintTo(const OddEntryCase& c, std::ostream* os) { *os << c.Line; }

class OddEntryTest : public BoardTest, public testing::WithParamInterface<OddEntryCase> {};

// The extent keeps the last value met and starts from 9 and 5, so a single
// cell measures 5 x 5 and an empty shape -3 x -3.
TEST_P(OddEntryTest, EntryFollowsTheLastValueMet) {
  Start({std::string(GetParam().Line)}, 10);
  EXPECT_EQ(board.CurX(), GetParam().CurX);
  EXPECT_EQ(board.CurY(), GetParam().CurY);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OddEntryTest,
                         testing::Values(OddEntryCase{"Dot;clRed;1;1", 3, -3},
                                         OddEntryCase{"Corner;clRed;5;0000000000000000000000001", 5, 1},
                                         OddEntryCase{"Bar;clRed;3;111", 4, 1},
                                         OddEntryCase{"Ghost;clRed;3;000", 6, 5},
                                         OddEntryCase{"Wide;clRed;5;11111", 3, 1}));

TEST_F(BoardTest, NextPieceDrawsFromTheWholeList) {
  Start(kDefaultLines);
  SetRandSeed(424242);
  const std::int32_t index = board.NextPiece();
  EXPECT_EQ(index, static_cast<std::int32_t>(DrawBelow(NextSeed(424242), 7)));
  EXPECT_EQ(board.CurIndex(), index);
  EXPECT_EQ(board.CurPiece()->Name, board.PieceList()->at(static_cast<std::size_t>(index))->Name);
}

TEST_F(BoardTest, NextPieceEntersWithAFreshShape) {
  Start({kStickLine});
  board.Rotate(1);
  board.MoveDown();
  board.NextPiece();
  EXPECT_EQ(board.CurPiece()->Shape, board.PieceList()->at(0)->Shape);
  EXPECT_EQ(board.CurX(), 5);
  EXPECT_EQ(board.CurY(), -2);
}

TEST_F(BoardTest, SelectPieceCopiesAPieceOfTheList) {
  Start(kDefaultLines);
  board.SelectPiece(6);
  EXPECT_EQ(board.CurIndex(), 6);
  EXPECT_EQ(board.CurPiece()->Name, "Inverse L");
  board.SelectPiece(7);
  board.SelectPiece(-1);
  EXPECT_EQ(board.CurIndex(), 6);
  EXPECT_EQ(board.CurPiece()->Name, "Inverse L");
}

// --- Moving and turning ---

TEST_F(BoardTest, StickNeedsThreeStepsToBeWhollyOnTheBoard) {
  Start({kStickLine});
  for (int step = 0; step < 3; ++step) EXPECT_EQ(board.MoveDown(), TBrickfall::kMoved);
  EXPECT_EQ(board.CurY(), 1);
  EXPECT_EQ(FallingCells(board), "(6,1) (6,2) (6,3) (6,4)");
}

TEST_F(BoardTest, PieceStopsAtTheWalls) {
  Start({kBlockLine});
  while (board.MoveLeft()) {
  }
  EXPECT_EQ(board.CurX(), 1);
  EXPECT_FALSE(board.MoveLeft());
  EXPECT_EQ(board.CurX(), 1);
  while (board.MoveRight()) {
  }
  EXPECT_EQ(board.CurX(), 9);
  EXPECT_FALSE(board.CanMove(1, 0));
}

TEST_F(BoardTest, PieceCannotMoveIntoAFilledCell) {
  Start({kBlockLine}, 10, 4);
  LoadPicture(board, "..X.......\n..........\n..........\n..........");
  EXPECT_EQ(board.CurX(), 4);
  EXPECT_FALSE(board.MoveLeft());  // its lower row would cover column 3 of row 1
  EXPECT_EQ(board.CurX(), 4);
  EXPECT_TRUE(board.MoveRight());
}

TEST_F(BoardTest, CellsAboveTheBoardAreFreeWithinTheColumns) {
  Start({kStickLine});
  EXPECT_TRUE(board.CanMove(0, -10));
  EXPECT_FALSE(board.CanMove(-6, -10));
  EXPECT_FALSE(board.CanMove(0, 20));
}

TEST_F(BoardTest, ExtremeShiftsDoNotFit) {
  Start({kBlockLine});
  EXPECT_FALSE(board.CanMove(std::numeric_limits<std::int32_t>::max(), 0));
  EXPECT_FALSE(board.CanMove(std::numeric_limits<std::int32_t>::min(), 0));
  EXPECT_FALSE(board.CanMove(0, std::numeric_limits<std::int32_t>::max()));
  EXPECT_TRUE(board.CanMove(0, std::numeric_limits<std::int32_t>::min()));
}

TEST_F(BoardTest, NothingMovesOrTurnsBeforeTheFirstGame) {
  EXPECT_FALSE(board.MoveLeft());
  EXPECT_FALSE(board.MoveRight());
  EXPECT_FALSE(board.CanMove(0, 0));
  EXPECT_FALSE(board.CanRotate(1));
  board.Rotate(1);
  EXPECT_EQ(board.CurPiece(), nullptr);
}

TEST_F(BoardTest, TurnAboveTheBoardIsAllowed) {
  Start({kStickLine});
  board.Rotate(1);
  EXPECT_EQ(FallingCells(board), "(5,-1) (6,-1) (7,-1) (8,-1)");
}

TEST_F(BoardTest, TurnThroughAWallDoesNothing) {
  Start({kStickLine});
  while (board.MoveLeft()) {
  }
  const std::string before = FallingCells(board);
  EXPECT_EQ(before, "(1,-2) (1,-1) (1,0) (1,1)");
  EXPECT_FALSE(board.CanRotate(1));
  board.Rotate(1);
  EXPECT_EQ(FallingCells(board), before);
}

TEST_F(BoardTest, TurnThroughTheFloorDoesNothing) {
  Start({kStickLine}, 10, 4);
  board.Rotate(0);  // lying in row 3 of its box
  board.MoveDown();
  board.MoveDown();
  board.MoveDown();
  board.MoveDown();
  ASSERT_EQ(FallingCells(board), "(5,4) (6,4) (7,4) (8,4)");
  board.Rotate(1);  // standing up would reach row 6
  EXPECT_EQ(FallingCells(board), "(5,4) (6,4) (7,4) (8,4)");
}

TEST_F(BoardTest, TurnOntoAFilledCellDoesNothing) {
  Start({"T;clPurple;3;010111000"}, 10, 4);
  // The T enters on columns 4-6 of rows 0-1; turned either way it reaches (5,2).
  LoadPicture(board, "..........\n....X.....\n..........\n..........");
  board.Rotate(1);
  EXPECT_EQ(FallingCells(board), "(5,0) (4,1) (5,1) (6,1)");
  board.Rotate(0);
  EXPECT_EQ(FallingCells(board), "(5,0) (4,1) (5,1) (6,1)");
}

// --- Landing, fixing and the end of a game ---

TEST_F(BoardTest, FixedPieceStoresItsListIndexPlusOne) {
  StartWithPiece(1, kDefaultLines, 10, 4);
  EXPECT_EQ(LowerUntilItLands(), TBrickfall::kLanded);
  EXPECT_EQ(PictureOf(board, 2), "...22.....\n...22.....");
  EXPECT_TRUE(board.Playing());
}

TEST_F(BoardTest, OneRowPieceOverFilledCellsIsFixedOverThemWithoutEndingTheGame) {
  StartWithPiece(0, {"Bar;clRed;3;111", "Dot;clBlue;1;1"}, 10, 2);
  ASSERT_EQ(board.CurY(), 1);
  LoadPicture(board, "....2.....\nXXXXXXXXX.");
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLanded);
  EXPECT_TRUE(board.Playing());
  EXPECT_EQ(PictureOf(board), "...XXX....\nXXXXXXXXX.");
}

class GameEndTest : public BoardTest {
 protected:
  // A Block entering at columns 1-2 of rows 0-1 that cannot fall, and whose
  // landing completes row 1.
  void SetUp() override {
    Start({kBlockLine}, 4, 2);
    LoadPicture(board, "..XX\nXX.X");
  }

  std::vector<std::string> events;
};

TEST_F(GameEndTest, LandingAboveTheTopEndsTheGameBeforeRowsAreReported) {
  const std::uint32_t seedBefore = RandSeed();
  board.OnGameEnd = [&](TObject& sender) {
    events.push_back("GameEnd");
    EXPECT_EQ(&sender, &board);
    EXPECT_TRUE(board.Playing());
    EXPECT_EQ(PictureOf(board), "..XX\nXX.X") << "not fixed yet";
  };
  board.OnLineFull = [&](TObject& sender, std::int32_t lines) {
    events.push_back("LineFull " + std::to_string(lines));
    EXPECT_EQ(&sender, &board);
    EXPECT_FALSE(board.Playing());
    EXPECT_EQ(PictureOf(board), "....\nXX.X") << "fixed and removed";
    EXPECT_EQ(RandSeed(), seedBefore) << "the next piece is not chosen yet";
  };
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLandedAboveTheBoard);
  EXPECT_EQ(events, (std::vector<std::string>{"GameEnd", "LineFull 1"}));
  EXPECT_FALSE(board.Playing());
  EXPECT_NE(RandSeed(), seedBefore);
  EXPECT_EQ(FallingCells(board), "(1,0) (2,0) (1,1) (2,1)");
}

TEST_F(GameEndTest, EndedBoardStillLandsPiecesButReportsTheEndOnce) {
  int gameEnds = 0;
  board.OnGameEnd = [&](TObject&) { ++gameEnds; };
  board.MoveDown();
  EXPECT_FALSE(board.MoveLeft());
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLandedAboveTheBoard);
  EXPECT_EQ(gameEnds, 1);
  EXPECT_EQ(PictureOf(board), "XX..\nXX.X");
}

TEST_F(GameEndTest, ThrowingGameEndHandlerLeavesThePieceFallingAndTheGameRunning) {
  board.OnGameEnd = [](TObject&) { throw Exception("handler failed"); };
  const std::uint32_t seedBefore = RandSeed();
  EXPECT_THROW(board.MoveDown(), Exception);
  EXPECT_TRUE(board.Playing());
  EXPECT_EQ(PictureOf(board), "..XX\nXX.X");
  EXPECT_EQ(FallingCells(board), "(1,0) (2,0) (1,1) (2,1)");
  EXPECT_EQ(RandSeed(), seedBefore);
}

TEST_F(GameEndTest, HandlerMayClearItsOwnSlot) {
  auto ended = std::make_shared<int>(0);
  board.OnGameEnd = [this, ended](TObject&) {
    board.OnGameEnd = nullptr;
    ++*ended;  // the handler's captures must still be alive here
  };
  board.MoveDown();
  EXPECT_EQ(*ended, 1);
  EXPECT_FALSE(board.OnGameEnd);
}

TEST_F(GameEndTest, DropOnAnEndedBoardFixesThePieceOneRowHigher) {
  board.MoveDown();
  board.ClearBoard();
  board.DropPiece();  // lifted to rows -1..0, where nothing is stored
  EXPECT_EQ(PictureOf(board), "....\n....");
  board.MoveDown();
  EXPECT_EQ(PictureOf(board), "XX..\n....");
}

TEST_F(BoardTest, TurnedStickRestingOnTheTopRowStillEndsTheGame) {
  Start({kStickLine}, 10, 2);
  LoadPicture(board, "..........\nXXXXXXXX..");
  board.Rotate(1);
  EXPECT_EQ(board.MoveDown(), TBrickfall::kMoved);
  EXPECT_EQ(board.MoveDown(), TBrickfall::kMoved);
  EXPECT_EQ(board.CurY(), 0);
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLandedAboveTheBoard);
  EXPECT_FALSE(board.Playing());
  EXPECT_EQ(PictureOf(board), "....XXXX..\nXXXXXXXX..");
}

TEST_F(BoardTest, ThrowingLineHandlerDoesNotStopTheLanding) {
  Start({kBlockLine}, 10, 4);
  LoadPicture(board, "XXX..XXXXX");
  board.OnLineFull = [](TObject&, std::int32_t) { throw Exception("handler failed"); };
  EXPECT_EQ(LowerUntilItLands(), TBrickfall::kLanded);
  EXPECT_EQ(PictureOf(board, 2), "..........\n...XX.....");
  EXPECT_EQ(board.CurY(), 0) << "the next piece was chosen";
  EXPECT_TRUE(board.Playing());
}

TEST_F(BoardTest, FixPieceReportsAFailedStepAsFalse) {
  Start({kBlockLine}, 10, 4);
  LoadPicture(board, "XXX..XXXXX");
  board.DropPiece();
  board.OnLineFull = [](TObject&, std::int32_t) { throw Exception("handler failed"); };
  EXPECT_FALSE(board.FixPiece());
  EXPECT_EQ(PictureOf(board, 2), "..........\n...XX.....");
}

// --- Dropping ---

class DropTest : public BoardTest {
 protected:
  void SetUp() override { Start({kBlockLine}, 10, 20); }
};

TEST_F(DropTest, DroppedPieceRestsOnItsLowestRowStillFalling) {
  EXPECT_EQ(board.DropPiece(), 1);
  EXPECT_EQ(board.CurX(), 4);
  EXPECT_EQ(board.CurY(), 19);
  EXPECT_EQ(PictureOf(board, 2), "..........\n..........");
  EXPECT_TRUE(board.Playing());
  EXPECT_TRUE(board.CanMove(-1, 0));
}

TEST_F(DropTest, NextMoveDownFixesTheDroppedPiece) {
  board.DropPiece();
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLanded);
  EXPECT_EQ(PictureOf(board, 2), "...XX.....\n...XX.....");
  EXPECT_EQ(board.CurY(), 0);
}

TEST_F(DropTest, SecondDropChangesNothing) {
  board.DropPiece();
  board.DropPiece();
  EXPECT_EQ(board.CurY(), 19);
  EXPECT_EQ(PictureOf(board, 2), "..........\n..........");
}

TEST_F(DropTest, DroppedPieceCanStillBeSteeredOffALedge) {
  LoadPicture(board, "XX........\n..........");
  board.MoveLeft();
  board.MoveLeft();
  board.MoveLeft();
  board.DropPiece();  // stops on the ledge at rows 17-18
  EXPECT_EQ(board.CurY(), 17);
  board.MoveRight();
  board.MoveRight();
  EXPECT_EQ(board.MoveDown(), TBrickfall::kMoved);
}

// --- Rows ---

struct RowsCase {
  std::string_view Name;
  std::string_view Before;
  std::string_view After;
  std::int32_t Removed;
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.Name; }

class CheckLinesTest : public BoardTest, public testing::WithParamInterface<RowsCase> {};

TEST_P(CheckLinesTest, RemovesFullRowsAndReportsThemOnce) {
  Start(kDefaultLines, 4, 5);
  std::vector<std::int32_t> reports;
  board.OnLineFull = [&](TObject&, std::int32_t lines) { reports.push_back(lines); };
  LoadPicture(board, GetParam().Before);
  board.CheckLines();
  EXPECT_EQ(PictureOf(board), GetParam().After);
  if (GetParam().Removed == 0) {
    EXPECT_TRUE(reports.empty());
  } else {
    EXPECT_EQ(reports, std::vector<std::int32_t>{GetParam().Removed});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, CheckLinesTest,
    testing::Values(
        RowsCase{"AdjacentBottomRows", "....\n....\nX...\nXXXX\n2222", "....\n....\n....\n....\nX...", 2},
        RowsCase{"RowsWithAGap", "....\nX...\nXXXX\n.XX.\n2222", "....\n....\n....\nX...\n.XX.", 2},
        RowsCase{"SingleHole", "....\n....\n....\n....\nXXX.", "....\n....\n....\n....\nXXX.", 0},
        RowsCase{"TopRow", "7777\n....\n....\n....\n...X", "....\n....\n....\n....\n...X", 1},
        RowsCase{"EveryRow", "XXXX\n2222\n3333\n4444\n5555", "....\n....\n....\n....\n....", 5},
        RowsCase{"RowsAboveFallTogether", "3...\n.4..\nXXXX\n..5.\n6666", "....\n....\n3...\n.4..\n..5.", 2},
        RowsCase{"Nothing", "....\n....\n....\n....\n....", "....\n....\n....\n....\n....", 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BoardTest, CellsBeyondTheColumnsNeverCountAndStayPut) {
  Start(kDefaultLines, 4, 5);
  LoadPicture(board, "XXX.XX\nXXXX.X");
  board.CheckLines();
  EXPECT_EQ(PictureOf(board, 2, 6), "....XX\nXXX..X");
}

// --- Games ---

TEST_F(BoardTest, SecondNewGameClearsTheBoardAndStartsAgain) {
  Start({kBlockLine}, 10, 4);
  board.DropPiece();
  board.MoveDown();
  board.SetCell(30, 50, 1);
  board.NewGame();
  EXPECT_TRUE(board.Playing());
  EXPECT_EQ(PictureOf(board), "..........\n..........\n..........\n..........");
  EXPECT_EQ(board.Cell(30, 50), 0);
  EXPECT_EQ(board.CurY(), 0);
}

TEST_F(BoardTest, NewGameReseedsFromTheClock) {
  clockTime = 45296789;
  Start(kDefaultLines);
  EXPECT_EQ(board.CurIndex(), static_cast<std::int32_t>(DrawBelow(NextSeed(45296789), 7)));
}

// --- Boards without a usable piece list ---

TEST_F(BoardTest, PlayOperationsBeforeTheFirstGameChangeNothing) {
  int events = 0;
  board.OnLineFull = [&](TObject&, std::int32_t) { ++events; };
  board.OnGameEnd = [&](TObject&) { ++events; };
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLandedAboveTheBoard);
  EXPECT_EQ(board.DropPiece(), 1);
  EXPECT_FALSE(board.FixPiece());
  EXPECT_EQ(board.NextPiece(), 0);
  EXPECT_EQ(board.CurPiece(), nullptr);
  EXPECT_EQ(board.CurY(), 0);
  EXPECT_EQ(events, 0);
}

TEST_F(GameEndTest, FailedNewGameDiscardsTheFallingPiece) {
  board.MoveDown();  // the game ends; a next piece is waiting
  ASSERT_NE(board.CurPiece(), nullptr);
  board.SetPieces({"", ""});
  EXPECT_THROW(board.NewGame(), Exception);
  EXPECT_EQ(board.CurPiece(), nullptr);
  EXPECT_EQ(board.CurIndex(), 0);
  EXPECT_FALSE(board.Playing());
  // Without the piece, a landing would store a value that names no piece.
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLandedAboveTheBoard);
  EXPECT_EQ(board.DropPiece(), 1);
  EXPECT_FALSE(board.FixPiece());
  EXPECT_EQ(PictureOf(board), "....\n....");
}

TEST_F(BoardTest, PieceWithoutCellsLandsAtOnceAndIsPassedOver) {
  Start({"Ghost;clRed;3;000"}, 10, 4);
  EXPECT_FALSE(board.CanMove(0, 1));
  EXPECT_FALSE(board.CanRotate(1));
  EXPECT_EQ(board.MoveDown(), TBrickfall::kLanded);
  EXPECT_EQ(board.DropPiece(), 1);
  EXPECT_TRUE(board.Playing());
  EXPECT_EQ(board.CurY(), 5);
  EXPECT_EQ(PictureOf(board), "..........\n..........\n..........\n..........");
}

}  // namespace
