// SPDX-License-Identifier: MIT
#include "tests/board/BoardScreen.h"

#include "ui/WinControl.h"

namespace {

char SymbolOf(TColor color, Legend legend) {
  for (const ColorSymbol& entry : legend) {
    if (entry.Color == color) return entry.Symbol;
  }
  return '?';
}

// Reads through the parent's surface rather than the board's canvas, so
// that pixels just outside the board can be read too.
TColor PixelAt(TBrickfall& board, int x, int y) {
  return board.Parent()->Surface().Pixel(board.Left() + x, board.Top() + y);
}

}  // namespace

TColor CellSquareColor(TBrickfall& board, int column, int row) {
  const int size = board.BlockSize();
  const int left = (column - 1) * size + 1;
  const int top = (row - 1) * size + 1;
  const TColor first = PixelAt(board, left, top);
  for (int y = top; y < row * size; ++y) {
    for (int x = left; x < column * size; ++x) {
      if (PixelAt(board, x, y) != first) return clNone;
    }
  }
  return first;
}

std::string ScreenCells(TBrickfall& board, Legend legend, int firstRow, int lastRow) {
  if (lastRow == 0) lastRow = board.Rows();
  std::string text;
  for (int row = firstRow; row <= lastRow; ++row) {
    if (!text.empty()) text += '\n';
    for (int column = 1; column <= board.Columns(); ++column) {
      text += SymbolOf(CellSquareColor(board, column, row), legend);
    }
  }
  return text;
}

std::string ScreenPixels(TBrickfall& board, ui::Rect area, Legend legend) {
  std::string text;
  for (int y = area.Top; y < area.Bottom; ++y) {
    if (!text.empty()) text += '\n';
    for (int x = area.Left; x < area.Right; ++x) text += SymbolOf(PixelAt(board, x, y), legend);
  }
  return text;
}

std::vector<TColor> SurfaceSnapshot(TBrickfall& board) {
  const ui::Surface& surface = board.Parent()->Surface();
  std::vector<TColor> pixels;
  pixels.reserve(static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height()));
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) pixels.push_back(surface.Pixel(x, y));
  }
  return pixels;
}
