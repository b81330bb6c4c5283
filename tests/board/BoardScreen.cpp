// SPDX-License-Identifier: MIT
#include "tests/board/BoardScreen.h"
#include "tests/ui/testing/CanvasPixel.h"

namespace {

char SymbolOf(TColor color, Legend legend) {
  for (const ColorSymbol& entry : legend) {
    if (entry.Color == color) return entry.Symbol;
  }
  return '?';
}

// Outside the board, clNone.
TColor PixelAt(const TBrickfall& board, int x, int y) { return ui::testing::PixelAt(board.Canvas(), x, y); }

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

std::vector<TColor> CanvasSnapshot(TBrickfall& board) {
  std::vector<TColor> pixels;
  for (int y = 0; y < board.Canvas().Height(); ++y) {
    for (int x = 0; x < board.Canvas().Width(); ++x) pixels.push_back(PixelAt(board, x, y));
  }
  return pixels;
}
