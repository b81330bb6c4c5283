// SPDX-License-Identifier: MIT
#include <algorithm>

#include "board/Brickfall.h"

namespace {

// Sizes above 5 are never passed; one would be taken as the whole box, so
// that a quarter turn still happens about the box's centre.
int UsableSize(std::uint8_t size) { return std::min<int>(size, kShapeBoxSize); }

}  // namespace

std::string GetField(std::string_view text, std::string_view delimiter, std::uint16_t n) {
  // Field n is the text between the (n-1)-th and the n-th delimiter, and a
  // missing one is empty. A delimiter of several characters is taken away
  // whole, so that no part of it leaks into the next field.
  std::string rest{text};
  rest += delimiter;
  std::string field;
  for (std::uint16_t i = 0; i < n; ++i) {
    const std::size_t at = delimiter.empty() ? std::string::npos : rest.find(delimiter);
    if (at == std::string::npos) return {};
    field = rest.substr(0, at);
    rest.erase(0, at + delimiter.size());
  }
  return field;
}

void ClearShape(TShapeMatrix& shape) { shape = TShapeMatrix{}; }

TShapeMatrix StringToShape(std::string_view bitmask, std::uint8_t size) {
  const int edge = UsableSize(size);
  TShapeMatrix shape;
  ClearShape(shape);
  for (int row = 1; row <= edge; ++row) {
    for (int column = 1; column <= edge; ++column) {
      const std::size_t at = static_cast<std::size_t>((row - 1) * size + column - 1);
      shape.SetFilled(column, row, at < bitmask.size() && bitmask[at] == '1');
    }
  }
  return shape;
}

TShapeMatrix RotateShape(const TShapeMatrix& shape, std::uint8_t size, std::uint8_t direction) {
  const int edge = UsableSize(size);
  TShapeMatrix turned;
  for (int row = 1; row <= edge; ++row) {
    for (int column = 1; column <= edge; ++column) {
      if (!shape.Filled(column, row)) continue;
      switch (direction) {
        case 1:
          turned.SetFilled(edge + 1 - row, column, true);
          break;
        case 0:
          turned.SetFilled(row, edge + 1 - column, true);
          break;
        default:
          turned.SetFilled(column, row, true);
          break;
      }
    }
  }
  return turned;
}

void CopyPiece(TPiece& dest, const TPiece& source) { dest = source; }
