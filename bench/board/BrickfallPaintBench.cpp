// SPDX-License-Identifier: MIT
// What drawing the board costs on the main window's board (10 x 20 cells of
// 18 pixels): a full repaint, with and without grid dots, and one move's
// erase and draw of the cells it changes, against the floor of filling the
// board's pixels once with a single colour through the same canvas.
// paint_vs_floor.sh prints the ratios.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/Clock.h"
#include "board/Brickfall.h"
#include "ui/Form.h"

namespace {

// A T, the usual four cells, and a piece filling its whole 5 x 5 box, the
// most a move can draw.
const std::string kT = "T;clPurple;3;010111000";
const std::string kFullBox = "Box;clRed;5;1111111111111111111111111";

// The main window's board in a game on a shown window, its lower half
// settled.
class PlacedBoard {
 public:
  explicit PlacedBoard(const std::string& piece) {
    form_.SetBounds(109, 96, 575, 377);
    board_.SetParent(&form_);
    board_.SetBounds(8, 8, 0, 0);
    board_.SetBlockSize(18);
    board_.SetRows(20);
    board_.SetColumns(10);
    board_.SetPieces({piece});
    form_.Show();
    board_.NewGame();
    for (int row = 11; row <= 20; ++row) {
      for (int column = 1; column <= 10; ++column) board_.SetCell(column, row, (row + column) % 3 ? 1 : 0);
    }
    board_.MoveDown();
  }

  TBrickfall& Board() { return board_; }

 private:
  ScopedClockSource clock_{[] { return TimeOfDay{12, 0, 0, 0}; }};
  ui::Form form_;
  TBrickfall& board_ = form_.Create<TBrickfall>();
};

void BM_FullRepaint(benchmark::State& state) {
  PlacedBoard placed(kT);
  placed.Board().SetDrawGrid(state.range(0) != 0);
  for (auto _ : state) {
    placed.Board().PaintBoard();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FullRepaint)->ArgName("grid")->Arg(0)->Arg(1);

// The piece moves one column over and back, as the left and right arrows
// move it, fit tests included; the board shows it as a shown window would.
void MoveEraseAndDraw(benchmark::State& state, const std::string& piece) {
  PlacedBoard placed(piece);
  TBrickfall& board = placed.Board();
  board.Paint();
  bool right = true;
  for (auto _ : state) {
    if (!(right ? board.MoveRight() : board.MoveLeft())) state.SkipWithError("the piece did not move");
    right = !right;
    benchmark::ClobberMemory();
  }
}

void BM_MoveEraseAndDraw_T(benchmark::State& state) { MoveEraseAndDraw(state, kT); }
BENCHMARK(BM_MoveEraseAndDraw_T);

void BM_MoveEraseAndDraw_FullBox(benchmark::State& state) { MoveEraseAndDraw(state, kFullBox); }
BENCHMARK(BM_MoveEraseAndDraw_FullBox);

// The floor: every pixel of the board written once, in one fill.
void BM_FillBoardOnce(benchmark::State& state) {
  PlacedBoard placed(kT);
  ui::Canvas& canvas = placed.Board().Canvas();
  const int width = placed.Board().Width();
  const int height = placed.Board().Height();
  TColor color = clNavy;
  for (auto _ : state) {
    canvas.FillRect(0, 0, width, height, color);
    color ^= 1;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillBoardOnce);

}  // namespace
