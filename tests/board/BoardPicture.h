// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "board/Brickfall.h"

// Boards written as text, one line per row: "." is an empty cell, "X" holds
// 1 (the first piece of the list) and a digit 2-9 that value; "?" marks any
// other stored value when printing.

// Stores the picture in the bottom rows of the board: its last line becomes
// row Rows, its first character column 1. Lines may be wider than Columns
// to reach the store beyond the play area. Fails the running test if a cell
// was refused.
void LoadPicture(TBrickfall& board, std::string_view picture);

// The bottom rowCount rows of columns 1..columnCount; by default the whole
// play area.
[[nodiscard]] std::string PictureOf(const TBrickfall& board, int rowCount = 0,
                                    int columnCount = 0);

// A shape's top-left size x size corner, top row first.
[[nodiscard]] std::string ShapePicture(const TShapeMatrix& shape, int size);

// "(column,row)", as FallingCells lists a cell.
[[nodiscard]] std::string CellText(int column, int row);

// The board cells (column, row) that the falling piece covers, listed row by
// row from the top as "(c,r) (c,r) ...".
[[nodiscard]] std::string FallingCells(const TBrickfall& board);
