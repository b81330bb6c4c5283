// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "base/Color.h"
#include "board/Brickfall.h"
#include "ui/Canvas.h"

// What a shown board shows, read back from its pixels and written as text. A legend names the colours a test expects; any other
// colour reads as '?'.

struct ColorSymbol {
  TColor Color;  // red-green-blue, as the surface reports it
  char Symbol;
};
using Legend = std::initializer_list<ColorSymbol>;

// The colour that fills the square inside the lines around cell (column,
// row), or clNone when the square is not of one colour.
[[nodiscard]] TColor CellSquareColor(TBrickfall& board, int column, int row);

// One character per cell of rows firstRow..lastRow (0: Rows), columns
// 1..Columns, from CellSquareColor; '?' for a square of mixed colours.
// Lines are separated by '\n'.
[[nodiscard]] std::string ScreenCells(TBrickfall& board, Legend legend, int firstRow = 1,
                                      int lastRow = 0);

// The pixels of area, given relative to the board's top-left pixel and
// allowed to reach beyond it (where the board has no pixels: clNone), one
// character each.
[[nodiscard]] std::string ScreenPixels(TBrickfall& board, ui::Rect area, Legend legend);

// Every pixel of the board, for comparing before and after.
[[nodiscard]] std::vector<TColor> CanvasSnapshot(TBrickfall& board);
