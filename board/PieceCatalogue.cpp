// SPDX-License-Identifier: MIT
// The board's catalogue: definition lines and the pieces built from them.
#include <algorithm>
#include <array>

#include "base/Exception.h"
#include "base/IntegerText.h"
#include "base/Random.h"
#include "board/Brickfall.h"

namespace {

constexpr std::array<std::string_view, 7> kDefaultPieces{
    "Stick;clWhite;4;0100010001000100",
    "Block;clRed;2;1111",
    "Z;clLime;3;110011000",
    "S;clAqua;3;011110000",
    "T;clPurple;3;010111000",
    "L;clBlue;3;010010011",
    "Inverse L;clYellow;3;010010110",
};

constexpr std::int32_t kFallbackSize = 4;
constexpr TPiecePoint kFallbackPoint{0, 0};
constexpr std::int32_t kPointLimit = 5;
// Replacement colours are drawn below this bound, so they are never white.
constexpr std::int32_t kRandomColorBound = 0xFFFFFF;

TColor ColorFromField(std::string_view field) { return ColorFromText(field).value_or(clWhite); }

// A piece in the background colour could not be seen on empty cells.
TColor AwayFromBackground(TColor color, TColor background) {
  while (color == background) color = static_cast<TColor>(RandomBelow(kRandomColorBound));
  return color;
}

std::int32_t SizeFromField(std::string_view field) {
  const std::int32_t size = IntegerFromText(field).value_or(kFallbackSize);
  return std::clamp<std::int32_t>(size, 1, kShapeBoxSize);
}

TPiecePoint PointFromField(std::string_view field) {
  if (field.empty()) return kFallbackPoint;
  const auto y = IntegerFromText(GetField(field, ",", 2));
  const auto x = IntegerFromText(GetField(field, ",", 1));
  if (!x || !y) return kFallbackPoint;
  const auto inRange = [](std::int32_t v) { return v >= 0 && v <= kPointLimit; };
  if (!inRange(*x) || !inRange(*y)) return kFallbackPoint;
  return {*x, *y};
}

// Builds one piece; fields that cannot be read take their fallbacks.
std::unique_ptr<TPiece> PieceFromDefinition(std::string_view line, TColor background) {
  auto piece = std::make_unique<TPiece>();
  piece->Name = GetField(line, ";", 1);
  piece->Color = AwayFromBackground(ColorFromField(GetField(line, ";", 2)), background);
  piece->Size = SizeFromField(GetField(line, ";", 3));
  piece->Shape = StringToShape(GetField(line, ";", 4), static_cast<std::uint8_t>(piece->Size));
  piece->Point = PointFromField(GetField(line, ";", 5));
  return piece;
}

bool HasDefinition(const std::vector<std::string>& lines) {
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& line) { return !line.empty(); });
}

}  // namespace

std::vector<std::string> DefaultPieces() { return {kDefaultPieces.begin(), kDefaultPieces.end()}; }

void TBrickfall::SetPieces(const std::vector<std::string>& lines) {
  if (playing_) return;
  pieces_ = lines;
}

std::int32_t TBrickfall::PieceCount() const {
  return pieceList_ ? static_cast<std::int32_t>(pieceList_->size()) : 0;
}

// A catalogue of empty lines is refused like one without lines: it would
// start a game that has no piece to play.
bool TBrickfall::InitPieces() {
  if (!ReplacePieceList()) return false;
  if (!HasDefinition(pieces_)) throw Exception("No pieces to initialize.");
  for (const std::string& line : pieces_) {
    if (line.empty()) continue;
    pieceList_->push_back(PieceFromDefinition(line, color_));
  }
  return true;
}

bool TBrickfall::ReplacePieceList() noexcept {
  try {
    ForgetFallingPiece();
    if (pieceList_) FreePieceList();
    pieceList_ = std::make_unique<TPieceList>();
    return true;
  } catch (...) {
    return false;
  }
}

void TBrickfall::FreePieceList() {
  while (!pieceList_->empty()) pieceList_->pop_back();
  pieceList_.reset();
}

// The falling piece is a copy from the list being replaced; kept, its index
// could name a piece the new list does not have.
void TBrickfall::ForgetFallingPiece() {
  curPiece_.reset();
  curIndex_ = 0;
  curX_ = 0;
  curY_ = 0;
}
