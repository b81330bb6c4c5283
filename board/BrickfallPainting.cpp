// SPDX-License-Identifier: MIT
// Drawing the board. Everything goes straight onto the parent's surface at
// the moment a play operation changes the board; there is no off-screen
// image, so a move redraws only the piece's cells.
#include <algorithm>

#include "board/Brickfall.h"

void TBrickfall::PaintBoard() {
  pieceShown_ = false;
  // Play must not depend on a screen: a board that does not show skips the
  // work, and is painted whole when it shows.
  if (!CanDraw()) return;
  ui::Canvas& canvas = Canvas();
  for (int row = 1; row <= rows_; ++row) PaintRowOfCells(canvas, row);
  DrawLines(canvas);
  if (drawGrid_) DrawGridDots(canvas);
  if (playing_) ShowPiece(curX_, curY_);
}

// The squares of one row of cells and the line pixels between them, drawn
// on the row's first pixel row and copied down the rest: every pixel row
// of a cell row is the same, and short fills are what a full repaint
// would otherwise spend its time on.
void TBrickfall::PaintRowOfCells(ui::Canvas& canvas, int row) {
  const int top = (row - 1) * blockSize_ + 1;
  const int bottom = std::min(row * blockSize_, Height());
  if (top >= bottom) return;
  for (int column = 1; column <= columns_; ++column) {
    canvas.FillRect((column - 1) * blockSize_ + 1, top, column * blockSize_, top + 1,
                    CellColor(StoredCell(column, row)));
  }
  for (int k = 0; k <= columns_; ++k) canvas.SetPixel(k * blockSize_, top, clBlack);
  canvas.RepeatRow(0, columns_ * blockSize_ + 1, top, bottom);
}

void TBrickfall::DrawPieceAt(ui::Canvas& canvas, std::int32_t x, std::int32_t y,
                             const TPiece* piece, bool erase) {
  if (!piece || piece->Size <= 0) return;
  const TColor color = erase ? color_ : piece->Color;
  // No shape is larger than its box, whatever size a piece claims.
  const int size = std::min<std::int32_t>(piece->Size, kShapeBoxSize);
  for (int column = 1; column <= size; ++column) {
    for (int row = 1; row <= size; ++row) {
      if (!piece->Shape.Filled(column, row)) continue;
      FillCell(canvas, std::int64_t{x} + column - 1, std::int64_t{y} + row - 1, color);
    }
  }
}

void TBrickfall::ShowPiece(std::int32_t x, std::int32_t y) {
  if (!CanDraw()) return;
  DrawPieceAt(Canvas(), x, y, curPiece_.get(), false);
  if (x == curX_ && y == curY_) pieceShown_ = true;
}

// Erasing anywhere may take cells of the piece where it stands.
void TBrickfall::HidePiece(std::int32_t x, std::int32_t y) {
  pieceShown_ = false;
  if (CanDraw()) DrawPieceAt(Canvas(), x, y, curPiece_.get(), true);
}

namespace {

// Whether a shape of edge `size` with cell (1, 1) of its box on column x,
// row y covers cell (column, row) of the board.
bool Covers(const TShapeMatrix& shape, int size, std::int64_t x, std::int64_t y, std::int64_t column,
            std::int64_t row) {
  const std::int64_t boxColumn = column - x + 1;
  const std::int64_t boxRow = row - y + 1;
  return boxColumn >= 1 && boxRow >= 1 && boxColumn <= size && boxRow <= size &&
         shape.Filled(static_cast<int>(boxColumn), static_cast<int>(boxRow));
}

}  // namespace

// Only the cells the piece leaves are erased and only those it enters are
// drawn: the cells it keeps show it already, and a move of a large piece
// would otherwise repaint most of its box twice. A piece that is not on
// the screen where it stood (a new game's first piece, or one whose board
// still owes a repaint) is erased and drawn whole.
void TBrickfall::PlacePiece(std::int32_t x, std::int32_t y, const TShapeMatrix& shape) {
  const TShapeMatrix before = curPiece_->Shape;
  const std::int64_t beforeX = curX_;
  const std::int64_t beforeY = curY_;
  const bool shown = pieceShown_ && !PaintPending();
  curX_ = x;
  curY_ = y;
  curPiece_->Shape = shape;
  pieceShown_ = false;
  if (!CanDraw() || curPiece_->Size <= 0) return;
  ui::Canvas& canvas = Canvas();
  const int size = std::min<std::int32_t>(curPiece_->Size, kShapeBoxSize);
  // Fills the cells of `cells` at (cellsX, cellsY) that `other` at
  // (otherX, otherY) does not cover while the piece shows.
  auto fillUncovered = [&](const TShapeMatrix& cells, std::int64_t cellsX, std::int64_t cellsY,
                           const TShapeMatrix& other, std::int64_t otherX, std::int64_t otherY, TColor color) {
    for (int column = 1; column <= size; ++column) {
      for (int row = 1; row <= size; ++row) {
        const std::int64_t boardColumn = cellsX + column - 1;
        const std::int64_t boardRow = cellsY + row - 1;
        if (!cells.Filled(column, row)) continue;
        if (shown && Covers(other, size, otherX, otherY, boardColumn, boardRow)) continue;
        FillCell(canvas, boardColumn, boardRow, color);
      }
    }
  };
  fillUncovered(before, beforeX, beforeY, shape, x, y, color_);
  fillUncovered(shape, x, y, before, beforeX, beforeY, curPiece_->Color);
  pieceShown_ = true;
}

// The square inside the lines around cell (column, row). A piece may stand
// anywhere, far above the board included, so the square is computed wide
// and cut to the control before it becomes pixel coordinates; a square
// wholly outside is not drawn at all.
void TBrickfall::FillCell(ui::Canvas& canvas, std::int64_t column, std::int64_t row,
                          TColor color) {
  const std::int64_t size = blockSize_;
  const std::int64_t left = std::max<std::int64_t>((column - 1) * size + 1, 0);
  const std::int64_t top = std::max<std::int64_t>((row - 1) * size + 1, 0);
  const std::int64_t right = std::min<std::int64_t>(column * size, Width());
  const std::int64_t bottom = std::min<std::int64_t>(row * size, Height());
  if (left >= right || top >= bottom) return;
  canvas.FillRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                  static_cast<int>(bottom), color);
}

// A value that names no built piece shows as an empty cell rather than
// reading past the piece list.
TColor TBrickfall::CellColor(std::int32_t value) const {
  if (value < 1 || value > PieceCount()) return color_;
  return (*pieceList_)[static_cast<std::size_t>(value - 1)]->Color;
}

// One pixel wide and black whatever the background. Each runs past the
// control's far edge, so it spans the whole board whatever the control's
// size; the canvas cuts the rest. The rows of cells hold their stretch of
// the upright lines already, so those are drawn only below the last row.
void TBrickfall::DrawLines(ui::Canvas& canvas) {
  const int width = Width();
  const int height = Height();
  for (int k = 0; k <= rows_; ++k) canvas.FillRect(0, k * blockSize_, width + 1, k * blockSize_ + 1, clBlack);
  const int belowCells = rows_ * blockSize_ + 1;
  if (belowCells >= height) return;
  for (int k = 0; k <= columns_; ++k) {
    canvas.FillRect(k * blockSize_, belowCells, k * blockSize_ + 1, height + 1, clBlack);
  }
}

// Dots on the inner crossings only; the border stays a plain line.
void TBrickfall::DrawGridDots(ui::Canvas& canvas) {
  for (int column = 1; column < columns_; ++column) {
    for (int row = 1; row < rows_; ++row) {
      canvas.SetPixel(column * blockSize_, row * blockSize_, gridColor_);
    }
  }
}
