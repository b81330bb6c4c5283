// SPDX-License-Identifier: MIT
// The board's properties and play rules.
#include "board/Brickfall.h"

#include <algorithm>

#include "base/Exception.h"
#include "base/Random.h"

namespace {

constexpr std::uint8_t kInitialBlockSize = 16;
// A new piece enters with the lowest row of its measured extent on the
// board's top row and the rest above it.
constexpr int kEntryBottomRow = 1;

// Extent of a fresh shape's filled cells, as the entry position measures
// it. The second branch of each test keeps the last value met rather than
// the largest, and the starting values are 9 and 5: pieces have always
// entered where this puts them, so it stays as it is.
struct EntryExtent {
  int Width = 0;
  int Height = 0;
};

EntryExtent MeasureForEntry(const TPiece& piece) {
  int minColumn = 9, maxColumn = 5, minRow = 9, maxRow = 5;
  for (int row = 1; row <= piece.Size; ++row) {
    for (int column = 1; column <= piece.Size; ++column) {
      if (!piece.Shape.Filled(column, row)) continue;
      if (row < minRow) minRow = row; else maxRow = row;
      if (column < minColumn) minColumn = column; else maxColumn = column;
    }
  }
  return {maxColumn - minColumn + 1, maxRow - minRow + 1};
}

}  // namespace

TBrickfall::TBrickfall() : pieces_(DefaultPieces()) { SetBlockSize(kInitialBlockSize); }

TBrickfall::~TBrickfall() = default;

// --- Properties ---

void TBrickfall::SetColor(TColor value) {
  color_ = value;
  PaintBoard();
}

void TBrickfall::SetGridColor(TColor value) {
  gridColor_ = value;
  PaintBoard();
}

void TBrickfall::SetDrawGrid(bool value) {
  drawGrid_ = value;
  PaintBoard();
}

// The control is sized to hold the cells and the lines on all four sides.
void TBrickfall::SetBlockSize(std::uint8_t value) {
  if (playing_) return;
  blockSize_ = value;
  SetBounds(Left(), Top(), columns_ * blockSize_ + 1, rows_ * blockSize_ + 1);
}

void TBrickfall::SetRows(std::uint8_t value) {
  if (playing_) return;
  rows_ = std::clamp(value, kMinRows, kMaxRows);
  SetHeight(rows_ * blockSize_ + 1);
}

void TBrickfall::SetColumns(std::uint8_t value) {
  if (playing_) return;
  columns_ = std::clamp(value, kMinColumns, kMaxColumns);
  SetWidth(columns_ * blockSize_ + 1);
}

// --- Cell store ---

bool TBrickfall::InStore(std::int64_t column, std::int64_t row) {
  return column >= 1 && column <= kStoreColumns && row >= 1 && row <= kStoreRows;
}

std::int32_t TBrickfall::Cell(int column, int row) const {
  return InStore(column, row) ? StoredCell(column, row) : 0;
}

void TBrickfall::SetCell(int column, int row, std::int32_t value) {
  if (!InStore(column, row) || value < 0 || value > PieceCount()) return;
  StoredCell(column, row) = value;
}

void TBrickfall::ClearBoard() {
  for (auto& column : board_) column.fill(0);
}

// --- Fit tests ---

bool TBrickfall::CellIsFree(std::int64_t column, std::int64_t row) const {
  if (column < 1 || column > columns_ || row > rows_) return false;
  // Above the board a piece may be anywhere within the columns in play.
  return row < 1 || StoredCell(static_cast<int>(column), static_cast<int>(row)) == 0;
}

// A shape without a filled cell fits nowhere: it could otherwise fall
// forever, so it lands where it enters and is passed over.
bool TBrickfall::Fits(const TShapeMatrix& shape, std::int64_t x, std::int64_t y) const {
  bool anyFilled = false;
  for (int column = 1; column <= kShapeBoxSize; ++column) {
    for (int row = 1; row <= kShapeBoxSize; ++row) {
      if (!shape.Filled(column, row)) continue;
      if (!CellIsFree(x + column - 1, y + row - 1)) return false;
      anyFilled = true;
    }
  }
  return anyFilled;
}

bool TBrickfall::CanMove(std::int32_t dx, std::int32_t dy) const {
  if (!curPiece_ || !playing_) return false;
  return Fits(curPiece_->Shape, std::int64_t{curX_} + dx, std::int64_t{curY_} + dy);
}

bool TBrickfall::CanRotate(std::uint8_t direction) const {
  if (!curPiece_ || !playing_) return false;
  const auto size = static_cast<std::uint8_t>(curPiece_->Size);
  return Fits(RotateShape(curPiece_->Shape, size, direction), curX_, curY_);
}

// --- Moves ---

bool TBrickfall::Shift(std::int32_t dx) {
  if (!CanMove(dx, 0)) return false;
  PlacePiece(curX_ + dx, curY_, curPiece_->Shape);
  return true;
}

bool TBrickfall::MoveLeft() { return Shift(-1); }

bool TBrickfall::MoveRight() { return Shift(1); }

void TBrickfall::Rotate(std::uint8_t direction) {
  if (!curPiece_ || !CanRotate(direction)) return;
  PlacePiece(curX_, curY_, RotateShape(curPiece_->Shape, static_cast<std::uint8_t>(curPiece_->Size), direction));
}

std::int32_t TBrickfall::MoveDown() {
  if (!curPiece_) return kLandedAboveTheBoard;
  if (!CanMove(0, 1)) return Land();
  PlacePiece(curX_, curY_ + 1, curPiece_->Shape);
  return kMoved;
}

// OnGameEnd comes first, while the landing piece is still falling and
// Playing still true; a handler that raises leaves everything as it was.
std::int32_t TBrickfall::Land() {
  const std::int32_t result = curY_ <= 0 ? kLandedAboveTheBoard : kLanded;
  if (result == kLandedAboveTheBoard) EndGame();
  FixPiece();
  NextPiece();
  PaintBoard();
  return result;
}

void TBrickfall::EndGame() {
  if (playing_) RaiseGameEnd();
  playing_ = false;
}

// The piece is left one row above its lowest fitting place and lowered by
// MoveDown, so it ends there still falling, fixed only by the next MoveDown.
std::int32_t TBrickfall::DropPiece() {
  if (!curPiece_) return 1;
  const std::int32_t distance = FirstBlockedDistance();
  PlacePiece(curX_, curY_ + distance - 2, curPiece_->Shape);
  MoveDown();
  return 1;
}

// The smallest downward distance at which the piece no longer fits. No
// filled cell can fall past the bottom row, which bounds the search even if
// the fit test were ever to accept a piece everywhere.
std::int32_t TBrickfall::FirstBlockedDistance() const {
  const std::int64_t farthest = std::int64_t{rows_} - curY_ + 1;
  std::int32_t distance = 1;
  while (distance <= farthest && CanMove(0, distance)) ++distance;
  return distance;
}

// --- Choosing pieces ---

void TBrickfall::SelectPiece(std::int32_t index) {
  if (index < 0 || index >= PieceCount()) return;
  if (!curPiece_) curPiece_ = std::make_unique<TPiece>();
  CopyPiece(*curPiece_, *(*pieceList_)[static_cast<std::size_t>(index)]);
  curIndex_ = index;
}

std::int32_t TBrickfall::NextPiece() {
  SelectPiece(RandomBelow(PieceCount()));
  if (curPiece_) PlaceAtEntry();
  return curIndex_;
}

void TBrickfall::PlaceAtEntry() {
  const EntryExtent extent = MeasureForEntry(*curPiece_);
  curX_ = columns_ / 2 - extent.Width / 2;
  curY_ = kEntryBottomRow + 1 - extent.Height;
}

// --- Fixing and rows ---

bool TBrickfall::FixPiece() {
  if (!curPiece_) return false;
  try {
    StoreFallingPiece();
    CheckLines();
    PaintBoard();
    return true;
  } catch (...) {
    // A failure here, a handler's included, must not stop the landing.
    return false;
  }
}

void TBrickfall::StoreFallingPiece() {
  const std::int32_t value = curIndex_ + 1;
  for (int column = 1; column <= kShapeBoxSize; ++column) {
    for (int row = 1; row <= kShapeBoxSize; ++row) {
      if (!curPiece_->Shape.Filled(column, row)) continue;
      const std::int64_t x = std::int64_t{curX_} + column - 1;
      const std::int64_t y = std::int64_t{curY_} + row - 1;
      if (InStore(x, y)) StoredCell(static_cast<int>(x), static_cast<int>(y)) = value;
    }
  }
}

bool TBrickfall::RowIsFull(int row) const {
  for (int column = 1; column <= columns_; ++column) {
    if (StoredCell(column, row) == 0) return false;
  }
  return true;
}

void TBrickfall::RemoveRow(int row) {
  for (int r = row; r >= 2; --r) {
    for (int column = 1; column <= columns_; ++column) {
      StoredCell(column, r) = StoredCell(column, r - 1);
    }
  }
  for (int column = 1; column <= columns_; ++column) StoredCell(column, 1) = 0;
}

void TBrickfall::CheckLines() {
  std::int32_t removed = 0;
  int row = rows_;
  while (row >= 1) {
    if (RowIsFull(row)) {
      // The row now holds the one that was above it, so it is looked at again.
      RemoveRow(row);
      ++removed;
    } else {
      --row;
    }
  }
  if (removed > 0) RaiseLineFull(removed);
}

// --- Games ---

void TBrickfall::NewGame() {
  SeedFromClock();
  playing_ = false;
  ClearBoard();
  PaintBoard();
  if (!InitPieces()) throw Exception("Piece initialization failure; could not start a new game.");
  NextPiece();
  playing_ = true;
}

// --- Events ---

// Handlers are called through a copy, so one that reassigns its own slot
// does not destroy itself while it runs.
void TBrickfall::RaiseLineFull(std::int32_t lines) {
  if (TOnLineFull handler = OnLineFull) handler(*this, lines);
}

void TBrickfall::RaiseGameEnd() {
  if (TOnGameEnd handler = OnGameEnd) handler(*this);
}
