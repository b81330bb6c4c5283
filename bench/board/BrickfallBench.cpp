// SPDX-License-Identifier: MIT
// The cost of each play operation, and of row removal on a crowded board.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "board/Brickfall.h"

namespace {

const std::string kTLine = "T;clPurple;3;010111000";

void StartGame(TBrickfall& board, const std::vector<std::string>& pieces, std::uint8_t columns,
               std::uint8_t rows) {
  board.SetColumns(columns);
  board.SetRows(rows);
  board.SetPieces(pieces);
  board.NewGame();
}

// A move that succeeds, then its way back, so the piece never reaches a wall.
void BM_MoveLeftRight(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, {kTLine}, 10, 20);
  for (auto _ : state) {
    benchmark::DoNotOptimize(board.MoveLeft());
    benchmark::DoNotOptimize(board.MoveRight());
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_MoveLeftRight);

// A quarter turn and back, in open space.
void BM_Rotate(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, {kTLine}, 10, 20);
  board.MoveDown();
  board.MoveDown();
  for (auto _ : state) {
    board.Rotate(1);
    board.Rotate(0);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Rotate);

// Starts a new game, outside the timing, once the last one has ended.
void RestartIfOver(TBrickfall& board, benchmark::State& state) {
  if (board.Playing()) return;
  state.PauseTiming();
  board.NewGame();
  state.ResumeTiming();
}

// Steps as a fall tick makes them: mostly one row down, now and then a
// landing that fixes the piece, removes rows and brings the next one.
void BM_MoveDown(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, DefaultPieces(), 10, 20);
  for (auto _ : state) {
    benchmark::DoNotOptimize(board.MoveDown());
    RestartIfOver(board, state);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MoveDown);

// A fresh piece dropped to the floor of the pile, and the MoveDown that
// fixes it there.
void BM_DropPieceAndFix(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, DefaultPieces(), 10, 20);
  for (auto _ : state) {
    benchmark::DoNotOptimize(board.DropPiece());
    benchmark::DoNotOptimize(board.MoveDown());
    RestartIfOver(board, state);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DropPieceAndFix);

// Clearing the store and building the seven default pieces.
void BM_NewGame(benchmark::State& state) {
  TBrickfall board;
  board.SetColumns(10);
  for (auto _ : state) board.NewGame();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NewGame);

// Every row of the play area full but for one cell in its last column, so
// that each row is read to its end and none is removed.
void FillAllButTheLastColumn(TBrickfall& board) {
  for (int row = 1; row <= board.Rows(); ++row) {
    for (int column = 1; column < board.Columns(); ++column) board.SetCell(column, row, 1 + (row + column) % 7);
  }
}

void BM_CheckLinesNearlyFull(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, DefaultPieces(), static_cast<std::uint8_t>(state.range(0)),
            static_cast<std::uint8_t>(state.range(1)));
  FillAllButTheLastColumn(board);
  for (auto _ : state) board.CheckLines();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckLinesNearlyFull)->Args({10, 20})->Args({30, 50});

// The same board with its bottom four rows full: four removals, each
// moving every row above it down.
void BM_CheckLinesFourFullRows(benchmark::State& state) {
  TBrickfall board;
  StartGame(board, DefaultPieces(), static_cast<std::uint8_t>(state.range(0)),
            static_cast<std::uint8_t>(state.range(1)));
  for (auto _ : state) {
    state.PauseTiming();
    FillAllButTheLastColumn(board);
    for (int row = board.Rows() - 3; row <= board.Rows(); ++row) board.SetCell(board.Columns(), row, 1);
    state.ResumeTiming();
    board.CheckLines();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckLinesFourFullRows)->Args({10, 20})->Args({30, 50});

}  // namespace
