// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/Object.h"
#include "ui/Canvas.h"
#include "ui/Control.h"

// Edge of the box that holds a piece's shape, in cells.
inline constexpr int kShapeBoxSize = 5;

// The cells of a piece in its 5 x 5 box. Columns and rows count from 1 at
// the box's top-left corner, rows growing downward. Cells outside the box
// read as empty and cannot be set, so a caller never indexes out of range.
class TShapeMatrix {
 public:
  // Whether cell (column, row) is filled; false outside 1..5.
  [[nodiscard]] bool Filled(int column, int row) const {
    return InBox(column, row) && cells_[column - 1][row - 1] != 0;
  }

  // Fills or empties cell (column, row); ignored outside 1..5.
  void SetFilled(int column, int row, bool filled) {
    if (InBox(column, row)) cells_[column - 1][row - 1] = filled ? 1 : 0;
  }

  bool operator==(const TShapeMatrix&) const = default;

 private:
  static bool InBox(int column, int row) {
    return column >= 1 && column <= kShapeBoxSize && row >= 1 && row <= kShapeBoxSize;
  }

  // Column is the outer index, as the shapes are stored column by column.
  std::array<std::array<std::uint8_t, kShapeBoxSize>, kShapeBoxSize> cells_{};
};

// The optional point of a piece definition; it travels with the piece.
struct TPiecePoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;

  bool operator==(const TPiecePoint&) const = default;
};

// One built piece of the catalogue.
struct TPiece {
  std::string Name;
  TColor Color = clBlack;
  std::int32_t Size = 0;  // edge of the used top-left corner of Shape, 1..5 once built
  TShapeMatrix Shape;
  TPiecePoint Point;
};

// The n-th field of text split at delimiter, counted from 1; empty for n = 0
// and for every field beyond the last.
[[nodiscard]] std::string GetField(std::string_view text, std::string_view delimiter,
                                   std::uint16_t n);

// Empties all 25 cells.
void ClearShape(TShapeMatrix& shape);

// A size x size shape read row by row from the top, each row from the left:
// "1" fills a cell, any other or a missing character leaves it empty.
[[nodiscard]] TShapeMatrix StringToShape(std::string_view bitmask, std::uint8_t size);

// The shape turned a quarter within its size x size box: direction 1
// clockwise on the screen, 0 counter-clockwise; any other direction leaves
// the shape as it is.
[[nodiscard]] TShapeMatrix RotateShape(const TShapeMatrix& shape, std::uint8_t size,
                                       std::uint8_t direction);

// Copies every field of source into dest.
void CopyPiece(TPiece& dest, const TPiece& source);

// The seven definitions a new board starts with.
[[nodiscard]] std::vector<std::string> DefaultPieces();

// Rows were removed: Lines is how many, reported once per fixed piece.
using TOnLineFull = std::function<void(TObject& Sender, std::int32_t Lines)>;
// The game has ended.
using TOnGameEnd = std::function<void(TObject& Sender)>;

using TPieceList = std::vector<std::unique_ptr<TPiece>>;

// The falling-block board: its catalogue, cell store, falling piece and play
// rules, drawn as a windowless control. It has no timer and reads no keys;
// the game drives it by calling its operations and hears back through
// OnLineFull and OnGameEnd. While it does not show it draws nothing, so play
// never depends on a screen.
//
// Invariants the operations keep: every stored cell is 0 (empty) or the
// list index + 1 of a built piece, and CurPiece, when present, is a copy of
// PieceList[CurIndex], turned in place at most.
class TBrickfall final : public ui::GraphicControl {
 public:
  // The cell store's fixed size, whatever Columns and Rows are.
  static constexpr int kStoreColumns = 30;
  static constexpr int kStoreRows = 50;

  static constexpr std::uint8_t kMinColumns = 2;
  static constexpr std::uint8_t kMaxColumns = kStoreColumns;
  static constexpr std::uint8_t kMinRows = 2;
  static constexpr std::uint8_t kMaxRows = kStoreRows;

  // MoveDown's results.
  static constexpr std::int32_t kMoved = 1;
  static constexpr std::int32_t kLanded = 0;
  static constexpr std::int32_t kLandedAboveTheBoard = -1;

  TBrickfall();
  ~TBrickfall() override;

  // --- Catalogue ---

  // The definition lines, one piece per non-empty line.
  [[nodiscard]] const std::vector<std::string>& Pieces() const { return pieces_; }
  // Replaces the definition lines; ignored while a game runs. Takes effect
  // at the next NewGame.
  void SetPieces(const std::vector<std::string>& lines);

  // The pieces built by the last NewGame; null before the first one.
  [[nodiscard]] const TPieceList* PieceList() const { return pieceList_.get(); }
  // The number of built pieces; 0 while there is no list.
  [[nodiscard]] std::int32_t PieceCount() const;

  // --- Properties ---

  // Background: the colour of empty cells and of erased pieces. Settable
  // at any time; setting it repaints the board at once. (It is the board's
  // own colour, not the control's inherited one, which it hides.)
  [[nodiscard]] TColor Color() const { return color_; }
  void SetColor(TColor value);

  // Colour of the grid dots. Settable at any time; repaints at once.
  [[nodiscard]] TColor GridColor() const { return gridColor_; }
  void SetGridColor(TColor value);

  // Whether grid dots are drawn. Settable at any time; repaints at once.
  [[nodiscard]] bool DrawGrid() const { return drawGrid_; }
  void SetDrawGrid(bool value);

  // Edge of a cell in pixels, any value; ignored while a game runs.
  // Sizes the control to Columns x value + 1 by Rows x value + 1 pixels.
  [[nodiscard]] std::uint8_t BlockSize() const { return blockSize_; }
  void SetBlockSize(std::uint8_t value);

  // Rows in play, clamped to 2..50; ignored while a game runs. Sets the
  // control's height to fit them; the width stays.
  [[nodiscard]] std::uint8_t Rows() const { return rows_; }
  void SetRows(std::uint8_t value);

  // Columns in play, clamped to 2..30; ignored while a game runs. Sets the
  // control's width to fit them; the height stays.
  [[nodiscard]] std::uint8_t Columns() const { return columns_; }
  void SetColumns(std::uint8_t value);

  // --- State ---

  // Board column and row of cell (1, 1) of the falling piece's box.
  [[nodiscard]] std::int32_t CurX() const { return curX_; }
  [[nodiscard]] std::int32_t CurY() const { return curY_; }
  // List index of the piece the falling piece was copied from.
  [[nodiscard]] std::int32_t CurIndex() const { return curIndex_; }
  [[nodiscard]] bool Playing() const { return playing_; }
  // The falling piece; null until a game has chosen one, and again after
  // the piece list has been rebuilt without one being chosen.
  [[nodiscard]] const TPiece* CurPiece() const { return curPiece_.get(); }

  // The stored cell at (column, row), both from 1; 0 outside the 30 x 50 store.
  [[nodiscard]] std::int32_t Cell(int column, int row) const;
  // Stores a cell, for tests and tools. Ignored outside the store, and for a
  // value that names no built piece (outside 0..PieceCount), so that every
  // stored value can be painted.
  void SetCell(int column, int row, std::int32_t value);

  // --- Play ---

  // Clears the board, builds the pieces from Pieces and places the first
  // one. Raises when the catalogue has no non-empty line or the list cannot
  // be built; the board is then left cleared and not playing.
  void NewGame();

  // Moves the falling piece one column if it fits there; false otherwise
  // and whenever no game runs.
  bool MoveLeft();
  bool MoveRight();

  // Lowers the falling piece one row (kMoved), or lands it: kLanded when its
  // box's top row is on the board, kLandedAboveTheBoard otherwise, which ends
  // a running game. A landed piece is fixed and the next one chosen. With no
  // falling piece at all nothing happens and the result is
  // kLandedAboveTheBoard.
  std::int32_t MoveDown();

  // Lowers the piece to the lowest row it fits on, still falling, so that
  // the next MoveDown fixes it; a piece that cannot fall is lifted a row and
  // then lowered back (or fixed there if it does not fit back). Returns 1.
  std::int32_t DropPiece();

  // Turns the falling piece in place if it fits turned (direction 1
  // clockwise, 0 counter-clockwise).
  void Rotate(std::uint8_t direction);

  // Whether the falling piece fits shifted by (dx, dy); false with no piece,
  // while no game runs, and for a piece without a filled cell.
  [[nodiscard]] bool CanMove(std::int32_t dx, std::int32_t dy) const;
  // Whether the falling piece fits turned where it is.
  [[nodiscard]] bool CanRotate(std::uint8_t direction) const;

  // Makes the falling piece a copy of PieceList[index]; ignored for an
  // index outside the list.
  void SelectPiece(std::int32_t index);

  // Chooses a random piece and places it at its entry position, neither
  // testing nor drawing it. Returns CurIndex; with no pieces built nothing
  // is chosen.
  std::int32_t NextPiece();

  // Writes the falling piece's cells into the store, removes full rows and
  // repaints. False with no falling piece, or when a step (a handler of
  // OnLineFull included) failed; such failures go no further.
  bool FixPiece();

  // Removes every full row, bottom up, and reports their number once.
  void CheckLines();

  // Empties all cells of the store.
  void ClearBoard();

  // --- Painting ---

  // Repaints the whole board and, during a game, the falling piece: cells
  // first, black lines over the gaps, grid dots on the inner crossings.
  void PaintBoard();
  // The platform's repaint request.
  void Paint() override { PaintBoard(); }
  // Fills the cells of piece's shape with cell (1, 1) of its box on column
  // x, row y: in the piece's colour, or in Color when erasing. Nothing for
  // an absent piece; cells off the control leave no mark.
  void DrawPieceAt(ui::Canvas& canvas, std::int32_t x, std::int32_t y, const TPiece* piece,
                   bool erase);
  // Draws the falling piece with cell (1, 1) of its box at column x, row y.
  void ShowPiece(std::int32_t x, std::int32_t y);
  // Paints the falling piece's cells at (x, y) in the background colour.
  void HidePiece(std::int32_t x, std::int32_t y);

  // --- Events ---

  TOnLineFull OnLineFull;
  TOnGameEnd OnGameEnd;

 private:
  bool InitPieces();
  void FreePieceList();
  bool ReplacePieceList() noexcept;
  void ForgetFallingPiece();

  [[nodiscard]] bool Fits(const TShapeMatrix& shape, std::int64_t x, std::int64_t y) const;
  [[nodiscard]] bool CellIsFree(std::int64_t column, std::int64_t row) const;
  [[nodiscard]] bool Shift(std::int32_t dx);
  // Puts the falling piece at column x, row y with `shape`, redrawing the
  // cells that change.
  void PlacePiece(std::int32_t x, std::int32_t y, const TShapeMatrix& shape);
  [[nodiscard]] std::int32_t Land();
  void EndGame();
  [[nodiscard]] std::int32_t FirstBlockedDistance() const;
  void PlaceAtEntry();
  void StoreFallingPiece();
  [[nodiscard]] bool RowIsFull(int row) const;
  void RemoveRow(int row);
  void RaiseLineFull(std::int32_t lines);
  void RaiseGameEnd();

  void FillCell(ui::Canvas& canvas, std::int64_t column, std::int64_t row, TColor color);
  [[nodiscard]] TColor CellColor(std::int32_t value) const;
  void PaintRowOfCells(ui::Canvas& canvas, int row);
  void DrawLines(ui::Canvas& canvas);
  void DrawGridDots(ui::Canvas& canvas);

  [[nodiscard]] static bool InStore(std::int64_t column, std::int64_t row);
  [[nodiscard]] std::int32_t& StoredCell(int column, int row) {
    return board_[column - 1][row - 1];
  }
  [[nodiscard]] std::int32_t StoredCell(int column, int row) const {
    return board_[column - 1][row - 1];
  }

  std::int32_t curX_ = 0;
  std::int32_t curY_ = 0;
  TColor gridColor_ = clWhite;
  TColor color_ = clBlack;
  std::uint8_t blockSize_ = 0;
  std::uint8_t rows_ = 20;
  std::uint8_t columns_ = 9;
  bool playing_ = false;
  // Whether the falling piece shows on the canvas where it stands.
  bool pieceShown_ = false;
  bool drawGrid_ = false;
  std::unique_ptr<TPieceList> pieceList_;
  std::unique_ptr<TPiece> curPiece_;
  std::int32_t curIndex_ = 0;
  // Column is the outer index; both count from 0 here and from 1 outside.
  std::array<std::array<std::int32_t, kStoreRows>, kStoreColumns> board_{};
  std::vector<std::string> pieces_;
};
