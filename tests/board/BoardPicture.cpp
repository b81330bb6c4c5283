// SPDX-License-Identifier: MIT
#include "tests/board/BoardPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (true) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

std::int32_t CellValueOf(char symbol) {
  if (symbol == '.') return 0;
  if (symbol == 'X') return 1;
  if (symbol >= '2' && symbol <= '9') return symbol - '0';
  ADD_FAILURE() << "unknown picture symbol '" << symbol << "'";
  return 0;
}

char SymbolOf(std::int32_t value) {
  if (value == 0) return '.';
  if (value == 1) return 'X';
  if (value >= 2 && value <= 9) return static_cast<char>('0' + value);
  return '?';
}

}  // namespace

std::string CellText(int column, int row) {
  std::string text{"("};
  text += std::to_string(column);
  text += ',';
  text += std::to_string(row);
  text += ')';
  return text;
}

void LoadPicture(TBrickfall& board, std::string_view picture) {
  const std::vector<std::string_view> lines = SplitLines(picture);
  const int firstRow = board.Rows() - static_cast<int>(lines.size()) + 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = firstRow + static_cast<int>(i);
    for (std::size_t c = 0; c < lines[i].size(); ++c) {
      const int column = static_cast<int>(c) + 1;
      const std::int32_t value = CellValueOf(lines[i][c]);
      board.SetCell(column, row, value);
      EXPECT_EQ(board.Cell(column, row), value) << "cell (" << column << "," << row << ") refused";
    }
  }
}

std::string PictureOf(const TBrickfall& board, int rowCount, int columnCount) {
  if (rowCount == 0) rowCount = board.Rows();
  if (columnCount == 0) columnCount = board.Columns();
  std::string picture;
  for (int row = board.Rows() - rowCount + 1; row <= board.Rows(); ++row) {
    if (!picture.empty()) picture += '\n';
    for (int column = 1; column <= columnCount; ++column) picture += SymbolOf(board.Cell(column, row));
  }
  return picture;
}

std::string ShapePicture(const TShapeMatrix& shape, int size) {
  std::string picture;
  for (int row = 1; row <= size; ++row) {
    if (row > 1) picture += '\n';
    for (int column = 1; column <= size; ++column) picture += shape.Filled(column, row) ? 'X' : '.';
  }
  return picture;
}

std::string FallingCells(const TBrickfall& board) {
  const TPiece* piece = board.CurPiece();
  if (piece == nullptr) return "no piece";
  std::string cells;
  for (int row = 1; row <= kShapeBoxSize; ++row) {
    for (int column = 1; column <= kShapeBoxSize; ++column) {
      if (!piece->Shape.Filled(column, row)) continue;
      if (!cells.empty()) cells += ' ';
      cells += CellText(board.CurX() + column - 1, board.CurY() + row - 1);
    }
  }
  return cells;
}
