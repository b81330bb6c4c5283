// SPDX-License-Identifier: MIT
// What the board puts on the screen, read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "tests/board/BoardFixture.h"
#include "tests/board/BoardPicture.h"
#include "tests/board/BoardScreen.h"
#include "tests/ui/testing/CanvasPixel.h"
#include "ui/Form.h"
#include "ui/SystemColors.h"

namespace {

// Where the board has no pixels: around it, and beyond its size.
constexpr TColor kOffBoard = clNone;
// Stands for whatever was on the screen before a repaint.
constexpr TColor kStale = clFuchsia;
constexpr int kBlockSize = 18;

const std::string kTLine = "T;clPurple;3;010111000";

// Cells as the screen shows them: '.' empty on the default black, '~' empty
// on navy, 'R' the Block's red, 'W' the Stick's white, 'P' the T's purple.
const Legend kCells = {{clBlack, '.'}, {clNavy, '~'}, {clRed, 'R'}, {clWhite, 'W'},
                       {clPurple, 'P'}, {clLime, 'Z'}};

// The board placed as the main window places it, with the main window's
// geometry, on a shown form.
class BoardPaintingTest : public testing::Test {
 protected:
  BoardPaintingTest() {
    form.SetBounds(109, 96, 575, 377);
    board.SetParent(&form);
    board.SetBounds(8, 8, 0, 0);
    board.SetBlockSize(kBlockSize);
    board.SetRows(20);
    board.SetColumns(10);
    form.Show();
  }

  void Start(const std::vector<std::string>& pieces) {
    board.SetPieces(pieces);
    board.NewGame();
  }

  // Covers the board as if something else had been drawn there.
  void MakeStale() { board.Canvas().FillRect(0, 0, board.Width(), board.Height(), kStale); }

  [[nodiscard]] int CountOnBoard(TColor color) {
    int count = 0;
    for (int y = 0; y < board.Height(); ++y) {
      for (int x = 0; x < board.Width(); ++x) count += ui::testing::PixelAt(board.Canvas(), x, y) == color ? 1 : 0;
    }
    return count;
  }

  // Paints the square of cell (column, row) into a snapshot of the board.
  void PaintSquare(std::vector<TColor>& pixels, int column, int row, TColor color) {
    const int stride = board.Width();
    for (int y = (row - 1) * kBlockSize + 1; y < row * kBlockSize; ++y) {
      for (int x = (column - 1) * kBlockSize + 1; x < column * kBlockSize; ++x) {
        pixels[static_cast<std::size_t>(y * stride + x)] = color;
      }
    }
  }

  ScopedClockSource clock{[] { return TimeOfDay{0, 0, 1, 0}; }};
  ui::Form form;
  TBrickfall& board = form.Create<TBrickfall>();
};

int DifferingPixels(const std::vector<TColor>& a, const std::vector<TColor>& b) {
  int count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i] ? 1 : 0;
  return count + static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

// An empty board of 10 columns, `rows` rows, as ScreenCells writes it.
std::string EmptyRows(int rows) {
  std::string text;
  for (int row = 0; row < rows; ++row) {
    if (row > 0) text += '\n';
    text.append(10, '.');
  }
  return text;
}

// The board cells the falling piece covers.
std::vector<std::pair<int, int>> FallingCellList(const TBrickfall& board) {
  std::vector<std::pair<int, int>> cells;
  for (int column = 1; column <= kShapeBoxSize; ++column) {
    for (int row = 1; row <= kShapeBoxSize; ++row) {
      if (board.CurPiece()->Shape.Filled(column, row)) {
        cells.emplace_back(board.CurX() + column - 1, board.CurY() + row - 1);
      }
    }
  }
  return cells;
}

// --- Size ---

TEST_F(BoardPaintingTest, TheMainWindowsBoardIs181By361PixelsAtItsPlace) {
  EXPECT_EQ(board.BoundsRect(), (ui::Rect{8, 8, 8 + 181, 8 + 361}));
}

TEST(BoardSizeTest, ABoardWithItsConstructionValuesIs145By321) {
  TBrickfall loose;
  EXPECT_EQ(loose.Width(), 145);
  EXPECT_EQ(loose.Height(), 321);
}

TEST_F(BoardPaintingTest, ABlockSizeSizesBothDimensions) {
  board.SetBlockSize(5);
  EXPECT_EQ(board.Width(), 51);
  EXPECT_EQ(board.Height(), 101);
}

struct GeometryCase {
  const char* Name;
  std::function<void(TBrickfall&)> Write;
  int Width;
  int Height;
};

void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.Name; }

class BoardGeometryTest : public BoardPaintingTest,
                          public testing::WithParamInterface<GeometryCase> {};

TEST_P(BoardGeometryTest, RowsAndColumnsAreClampedAndKeepTheOtherDimension) {
  GetParam().Write(board);
  EXPECT_EQ(board.Width(), GetParam().Width);
  EXPECT_EQ(board.Height(), GetParam().Height);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BoardGeometryTest,
    testing::Values(GeometryCase{"Rows 1", [](TBrickfall& b) { b.SetRows(1); }, 181, 2 * 18 + 1},
                    GeometryCase{"Rows 51", [](TBrickfall& b) { b.SetRows(51); }, 181, 50 * 18 + 1},
                    GeometryCase{"Columns 1", [](TBrickfall& b) { b.SetColumns(1); }, 2 * 18 + 1, 361},
                    GeometryCase{"Columns 31", [](TBrickfall& b) { b.SetColumns(31); }, 30 * 18 + 1,
                                 361}));

TEST_F(BoardPaintingTest, DuringAGameTheSizeDoesNotChange) {
  Start({kBlockLine});
  board.SetBlockSize(30);
  board.SetRows(10);
  board.SetColumns(5);
  EXPECT_EQ(board.BoundsRect(), (ui::Rect{8, 8, 189, 369}));
}

TEST_F(BoardPaintingTest, BlockSizeZeroGivesOnePixelOfLine) {
  board.SetBlockSize(0);
  board.SetColor(clNavy);
  EXPECT_EQ(board.Width(), 1);
  EXPECT_EQ(board.Height(), 1);
  board.Paint();
  EXPECT_EQ(ScreenPixels(board, {-1, -1, 2, 2}, {{clBlack, '#'}, {kOffBoard, '-'}}),
            "---\n"
            "-#-\n"
            "---");
}

// --- The full repaint ---

TEST_F(BoardPaintingTest, ASmallBoardShowsSquaresLinesAndOneInnerDot) {
  board.SetBlockSize(3);
  board.SetColumns(2);
  board.SetRows(2);
  board.SetColor(clNavy);
  board.SetDrawGrid(true);
  EXPECT_EQ(ScreenPixels(board, {-1, -1, 8, 8},
                         {{clBlack, '#'}, {clNavy, '~'}, {clWhite, 'o'}, {kOffBoard, '-'}}),
            "---------\n"
            "-#######-\n"
            "-#~~#~~#-\n"
            "-#~~#~~#-\n"
            "-###o###-\n"
            "-#~~#~~#-\n"
            "-#~~#~~#-\n"
            "-#######-\n"
            "---------");
}

class BoardBackgroundTest : public BoardPaintingTest, public testing::WithParamInterface<TColor> {};

// The lines are the surface's black pen whatever the background; on black
// they merge with it and the board shows squares separated by black gaps.
TEST_P(BoardBackgroundTest, EveryCellIsA17PixelSquareFramedByBlackLines) {
  board.SetColor(GetParam());
  MakeStale();
  board.Paint();
  const TColor background = ui::ResolveColor(GetParam());
  int wrong = 0;
  for (int y = 0; y < 361; ++y) {
    for (int x = 0; x < 181; ++x) {
      const bool onLine = x % kBlockSize == 0 || y % kBlockSize == 0;
      wrong += ui::testing::PixelAt(board.Canvas(), x, y) != (onLine ? clBlack : background) ? 1 : 0;
    }
  }
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Colours, BoardBackgroundTest,
                         testing::Values(clBlack, clNavy, clWhite, clBtnFace));

TEST_F(BoardPaintingTest, TheGridShows171DotsOnInnerCrossingsOnly) {
  board.SetColor(clNavy);
  board.SetGridColor(clYellow);
  board.SetDrawGrid(true);
  EXPECT_EQ(CountOnBoard(clYellow), 9 * 19);
  for (int column = 1; column <= 9; ++column) {
    for (int row = 1; row <= 19; ++row) {
      EXPECT_EQ(ui::testing::PixelAt(board.Canvas(), column * kBlockSize, row * kBlockSize), clYellow)
          << "dot " << column << "," << row;
    }
  }
  for (int x = 0; x < 181; ++x) {
    ASSERT_EQ(ui::testing::PixelAt(board.Canvas(), x, 0), clBlack) << x;
    ASSERT_EQ(ui::testing::PixelAt(board.Canvas(), x, 360), clBlack) << x;
  }
  for (int y = 0; y < 361; ++y) {
    ASSERT_EQ(ui::testing::PixelAt(board.Canvas(), 0, y), clBlack) << y;
    ASSERT_EQ(ui::testing::PixelAt(board.Canvas(), 180, y), clBlack) << y;
  }
}

TEST_F(BoardPaintingTest, StoredCellsShowTheirPiecesColours) {
  Start({kBlockLine, kStickLine, "Z;clLime;3;110011000"});
  LoadPicture(board, "X2.3......");
  board.Paint();
  EXPECT_EQ(ScreenCells(board, kCells, 20), "RW.Z......");
}

TEST_F(BoardPaintingTest, CellsBeyondRowsAndColumnsAreNotPainted) {
  Start({kBlockLine});
  board.SetCell(11, 5, 1);
  board.SetCell(3, 21, 1);
  form.SetHeight(500);
  // Widened through the generic size, so that a cell painted there would show.
  board.SetBounds(8, 8, 181 + 2 * kBlockSize, 361 + 2 * kBlockSize);
  MakeStale();
  board.Paint();
  ASSERT_EQ(CellSquareColor(board, 10, 5), clBlack) << "the board was not painted";
  EXPECT_EQ(CellSquareColor(board, 11, 5), kStale);
  EXPECT_EQ(CellSquareColor(board, 3, 21), kStale);
}

// --- The falling piece ---

TEST_F(BoardPaintingTest, ANewGameShowsAnEmptyBoardUntilThePieceMoves) {
  Start({kBlockLine});
  MakeStale();
  Start({kBlockLine});
  EXPECT_EQ(CountOnBoard(kStale), 0);
  EXPECT_EQ(ScreenCells(board, kCells, 1, 2),
            "..........\n"
            "..........");
  board.MoveLeft();
  EXPECT_EQ(ScreenCells(board, kCells, 1, 2),
            "..RR......\n"
            "..........");
}

TEST_F(BoardPaintingTest, APieceAboveTheTopShowsOnlyItsCellsOnTheBoard) {
  Start({kStickLine});
  ASSERT_EQ(board.CurY(), -2);
  MakeStale();
  board.Paint();
  EXPECT_EQ(ScreenCells(board, kCells, 1, 3),
            ".....W....\n"
            "..........\n"
            "..........");
  EXPECT_EQ(ScreenPixels(board, {0, -1, 181, 1}, {{clBlack, '#'}, {kOffBoard, '-'}}),
            std::string(181, '-').append(1, '\n').append(181, '#'))
      << "the cells above the board must not cover the top line";
}

struct MoveCase {
  const char* Name;
  std::function<void(TBrickfall&)> Move;
  // One step, so that the cells drawn are those it changed; a drop takes
  // two.
  bool OneStep = true;
};

// Counts the areas the board draws, each of which a platform would put on
// the screen.
class DrawnAreaCount final : public ui::Peer {
 public:
  explicit DrawnAreaCount(int& count) : count_(count) {}
  void Changed(ui::Change /*what*/) override {}
  void Drawn(const ui::Rect& /*area*/) override { ++count_; }

 private:
  int& count_;
};

// The cells in one list and not in the other.
int CellsChanged(std::vector<std::pair<int, int>> before, std::vector<std::pair<int, int>> after) {
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  std::vector<std::pair<int, int>> changed;
  std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(changed));
  return static_cast<int>(changed.size());
}

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.Name; }

class BoardMoveTest : public BoardPaintingTest, public testing::WithParamInterface<MoveCase> {};

// A move repaints nothing but the piece: its old cells in the background
// colour, its new cells in its own, and of those only the cells that
// change. The grid dots between them survive.
TEST_P(BoardMoveTest, AMoveErasesTheOldCellsAndDrawsTheNewOnesOnly) {
  board.SetColor(clNavy);
  board.SetDrawGrid(true);
  Start({kTLine});
  board.MoveDown();
  board.MoveDown();
  LoadPicture(board, "XXX...XXXX");
  board.Update();  // the repaint the changes above asked for
  const std::vector<std::pair<int, int>> before = FallingCellList(board);
  std::vector<TColor> expected = CanvasSnapshot(board);
  int drawn = 0;
  board.SetPeer(std::make_unique<DrawnAreaCount>(drawn));

  GetParam().Move(board);

  if (GetParam().OneStep) {
    EXPECT_EQ(drawn, CellsChanged(before, FallingCellList(board)));
  }

  for (const auto& [column, row] : before) PaintSquare(expected, column, row, clNavy);
  for (const auto& [column, row] : FallingCellList(board)) PaintSquare(expected, column, row, clPurple);
  ASSERT_NE(FallingCellList(board), before) << "the move did not happen";
  EXPECT_EQ(DifferingPixels(CanvasSnapshot(board), expected), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, BoardMoveTest,
    testing::Values(MoveCase{"Left", [](TBrickfall& b) { b.MoveLeft(); }},
                    MoveCase{"Right", [](TBrickfall& b) { b.MoveRight(); }},
                    MoveCase{"Down", [](TBrickfall& b) { b.MoveDown(); }},
                    MoveCase{"Clockwise", [](TBrickfall& b) { b.Rotate(1); }},
                    MoveCase{"CounterClockwise", [](TBrickfall& b) { b.Rotate(0); }},
                    MoveCase{"Drop", [](TBrickfall& b) { b.DropPiece(); }, false}));

TEST_F(BoardPaintingTest, ALandingShowsTheBoardWithRowsRemovedAndTheNextPiece) {
  Start({kBlockLine});
  LoadPicture(board,
              "XXX..XXXXX\n"
              "XXX..XXXXX");
  board.Paint();
  board.DropPiece();
  ASSERT_EQ(board.MoveDown(), TBrickfall::kLanded);
  std::string expected = "...RR.....\n";
  expected += EmptyRows(19);
  EXPECT_EQ(ScreenCells(board, kCells), expected);
}

TEST_F(BoardPaintingTest, AfterTheGameEndsARepaintLeavesOutTheNextPiece) {
  board.SetRows(2);
  Start({kBlockLine});
  for (int step = 0; step < 10 && board.Playing(); ++step) board.MoveDown();
  ASSERT_FALSE(board.Playing());
  ASSERT_EQ(FallingCells(board), "(4,0) (5,0) (4,1) (5,1)");
  board.ClearBoard();
  board.Paint();
  EXPECT_EQ(ScreenCells(board, kCells), EmptyRows(2));
}

// --- Properties that repaint at once ---

struct SetterCase {
  const char* Name;
  std::function<void(TBrickfall&)> Set;
};

void PrintTo(const SetterCase& c, std::ostream* os) { *os << c.Name; }

class BoardSetterTest : public BoardPaintingTest, public testing::WithParamInterface<SetterCase> {};

TEST_P(BoardSetterTest, RepaintsTheWholeBoardDuringAGameFallingPieceIncluded) {
  Start({kBlockLine});
  board.MoveDown();
  LoadPicture(board, "XX........");
  MakeStale();
  GetParam().Set(board);
  EXPECT_EQ(CountOnBoard(kStale), 0);
  EXPECT_EQ(ScreenCells(board, kCells, 1, 2).append(1, '\n').append(ScreenCells(board, kCells, 20)),
            "...RR.....\n"
            "...RR.....\n"
            "RR........");
}

INSTANTIATE_TEST_SUITE_P(
    Setters, BoardSetterTest,
    testing::Values(SetterCase{"Color", [](TBrickfall& b) { b.SetColor(clBlack); }},
                    SetterCase{"GridColor", [](TBrickfall& b) { b.SetGridColor(clYellow); }},
                    SetterCase{"DrawGrid", [](TBrickfall& b) { b.SetDrawGrid(true); }}));

TEST_F(BoardPaintingTest, ANewBackgroundLeavesThePieceColoursAsTheyAre) {
  Start({kBlockLine});
  board.MoveDown();
  board.SetColor(clRed);
  EXPECT_EQ(ScreenCells(board, {{clRed, 'R'}}, 1, 2),
            "RRRRRRRRRR\n"
            "RRRRRRRRRR")
      << "a piece of the background's colour cannot be seen on empty cells";
}

// --- Where nothing may be drawn ---

TEST_F(BoardPaintingTest, APieceFarOffTheBoardLeavesNoMark) {
  Start({kBlockLine});
  board.Paint();
  const std::vector<TColor> before = CanvasSnapshot(board);
  for (const auto& [x, y] : {std::pair{INT_MAX, INT_MIN}, std::pair{INT_MIN, INT_MAX},
                             std::pair{11, 1}, std::pair{1, 21}, std::pair{-1, -1}}) {
    board.DrawPieceAt(board.Canvas(), x, y, board.CurPiece(), false);
  }
  board.DrawPieceAt(board.Canvas(), 1, 1, nullptr, false);
  EXPECT_EQ(DifferingPixels(CanvasSnapshot(board), before), 0);
}

TEST_F(BoardPaintingTest, ABoardTakenOutOfItsWindowDrawsThereNoMore) {
  board.Paint();
  const std::vector<TColor> before = CanvasSnapshot(board);
  board.SetParent(nullptr);
  board.SetColor(clNavy);
  Start({kBlockLine});
  board.MoveLeft();
  board.DropPiece();
  board.MoveDown();
  board.Paint();
  board.SetParent(&form);
  EXPECT_EQ(DifferingPixels(CanvasSnapshot(board), before), 0);
}

TEST_F(BoardTest, ABoardInNoWindowPlaysAWholeGameAndDrawsNothing) {
  board.SetColor(clNavy);
  Start({kBlockLine, kStickLine});
  board.SetDrawGrid(true);
  for (int step = 0; step < 1000 && board.Playing(); ++step) {
    board.Rotate(1);
    board.MoveRight();
    board.MoveDown();
  }
  EXPECT_FALSE(board.Playing());
  board.Paint();
  EXPECT_EQ(ui::testing::PixelAt(board.Canvas(), 0, 0), clNone);
}

}  // namespace
