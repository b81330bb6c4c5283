// SPDX-License-Identifier: MIT
// A long run of random operations on boards of random size with random
// catalogues, odd definitions included. After every step it checks what
// the painting and the game flow rely on: every stored cell names a built
// piece or is empty, nothing is written where the step had no business
// writing, the falling piece is a copy of the list piece it names, and
// Playing follows the last landing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>

#include "base/Clock.h"
#include "base/Exception.h"
#include "board/Brickfall.h"

namespace {

// Sized so that the AddressSanitizer build runs it in well under half a
// minute; the release build takes a few seconds.
constexpr int kOperations = 1'000'000;
constexpr int kOperationsPerBoard = 4'000;
constexpr std::uint32_t kSoakSeed = 20240611;
// Cells no step should touch are read on every step that may write
// anywhere and on every this-many-th step otherwise; reading all 1500 cells
// every time would make the sanitizer build too slow to run.
constexpr int kFullScanInterval = 64;

constexpr std::string_view kHandlerFailure = "handler failed";

constexpr int kStoreCells = TBrickfall::kStoreColumns * TBrickfall::kStoreRows;

// A copy of the cell store, column by column like the board's own. A plain
// array keeps the per-cell checks cheap in unoptimised sanitizer builds.
struct Store {
  std::int32_t Cells[kStoreCells] = {};

  static int Index(int column, int row) { return (column - 1) * TBrickfall::kStoreRows + row - 1; }
  bool operator==(const Store& other) const { return std::memcmp(Cells, other.Cells, sizeof Cells) == 0; }
};

enum class Op {
  NewGame, MoveLeft, MoveRight, MoveDown, DropPiece, Rotate, CanMove, CanRotate, SelectPiece,
  NextPiece, FixPiece, CheckLines, ClearBoard, SetGeometry, SetPieces, SetColor, SetCell,
};

// Relative frequencies: mostly play, now and then everything else.
constexpr std::array<std::pair<Op, int>, 17> kOpWeights{{
    {Op::NewGame, 2},     {Op::MoveLeft, 12},   {Op::MoveRight, 12}, {Op::MoveDown, 30},
    {Op::DropPiece, 8},   {Op::Rotate, 12},     {Op::CanMove, 3},    {Op::CanRotate, 2},
    {Op::SelectPiece, 1}, {Op::NextPiece, 1},   {Op::FixPiece, 1},   {Op::CheckLines, 1},
    {Op::ClearBoard, 1},  {Op::SetGeometry, 3}, {Op::SetPieces, 2},  {Op::SetColor, 1},
    {Op::SetCell, 3},
}};

TimeOfDay TimeAt(std::uint32_t millisecondsOfDay) {
  return {static_cast<int>(millisecondsOfDay / 3600000), static_cast<int>(millisecondsOfDay / 60000 % 60),
          static_cast<int>(millisecondsOfDay / 1000 % 60), static_cast<int>(millisecondsOfDay % 1000)};
}

// How often the run reached the situations worth reaching.
struct Coverage {
  int GameEnds = 0;
  int RowsRemoved = 0;
  int FailedNewGames = 0;
  int FailedHandlers = 0;
  int Reentries = 0;
};

// What the board looked like before a step.
struct Before {
  bool Playing = false;
  bool HadPiece = false;
  std::int32_t CurX = 0;
  std::int32_t CurY = 0;
  std::int32_t CurIndex = 0;
  TShapeMatrix Shape;
  int Columns = 0;
  int Rows = 0;

  bool InPlayArea(int column, int row) const { return column <= Columns && row <= Rows; }
  bool InPieceColumns(int column) const { return column >= CurX && column < CurX + kShapeBoxSize; }

  // The lowest row a step can legitimately write in this column: a piece
  // lands within the rows in play, or where it stands if it fits nowhere.
  int LastRowWritable(int column) const {
    const int pieceBottom = InPieceColumns(column) ? std::max(Rows, CurY + kShapeBoxSize - 1) : 0;
    const int playBottom = column <= Columns ? Rows : 0;
    return std::min(std::max(pieceBottom, playBottom), TBrickfall::kStoreRows);
  }
};

// One cell a step changed.
struct Change {
  int Column;
  int Row;
  std::int32_t Was;
  std::int32_t Is;
};

// What a step did, as far as its caller can tell.
struct Outcome {
  std::int32_t MoveDownResult = TBrickfall::kMoved;
  bool HandlerFailed = false;
  bool NewGameFailed = false;
  int SetCellColumn = 0;
  int SetCellRow = 0;
  std::int32_t SetCellValue = 0;
};

class Soak {
 public:
  explicit Soak(std::uint32_t seed) : rng_(seed) {}

  // Runs the operations over a series of fresh boards; stops at the first
  // broken invariant and describes it.
  testing::AssertionResult Run(int operations) {
    ScopedClockSource clock([this] { return TimeAt(clockTime_); });
    for (int done = 0; done < operations;) {
      TBrickfall board;
      board_ = &board;
      PrepareBoard();
      for (int step = 0; step < kOperationsPerBoard && done < operations; ++step, ++done) {
        testing::AssertionResult result = Step(step);
        if (!result) return result << " (operation " << done << ", seed " << kSoakSeed << ")";
      }
    }
    return testing::AssertionSuccess();
  }

  [[nodiscard]] const Coverage& Reached() const { return coverage_; }

 private:
  // --- Random input ---

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool OneIn(int n) { return Below(n) == 0; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& choices) {
    return choices[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

  std::string RandomBitmask() {
    static constexpr std::string_view kCharacters = "0001111x2 \xff";
    if (OneIn(8)) return std::string(static_cast<std::size_t>(Below(26)), '0');
    std::string bitmask;
    const int length = Below(30);
    for (int i = 0; i < length; ++i) {
      bitmask += kCharacters[static_cast<std::size_t>(Below(static_cast<int>(kCharacters.size())))];
    }
    return bitmask;
  }

  std::string RandomDefinition() {
    static constexpr std::array<std::string_view, 5> kNames{"", "P", "Inverse L", "\xe9\xff", "a,b"};
    static constexpr std::array<std::string_view, 12> kColors{
        "clBlack", "clred", " clRed", "$0000FF", "255", "junk", "", "clBtnFace",
        "$80000008", "-1", "clWhite", "$FFFFFF"};
    static constexpr std::array<std::string_view, 12> kSizes{
        "-3", "0", "1", "2", "3", "4", "5", "6", "abc", "", "$5", " 3"};
    static constexpr std::array<std::string_view, 7> kPoints{"", "2,3", "6,1", "x", "5,5", "-1,0", "1"};
    std::string line{Pick(kNames)};
    if (OneIn(10)) return line;  // a line without separators is all name
    line += ';';
    line += Pick(kColors);
    line += ';';
    line += Pick(kSizes);
    line += ';';
    line += RandomBitmask();
    if (OneIn(2)) {
      line += ';';
      line += Pick(kPoints);
    }
    return line;
  }

  std::vector<std::string> RandomCatalogue() {
    static const std::vector<std::string> kDefaults = DefaultPieces();
    std::vector<std::string> lines;
    const int count = OneIn(20) ? 0 : 1 + Below(8);
    for (int i = 0; i < count; ++i) {
      const int kind = Below(10);
      if (kind < 3) {
        lines.push_back(kDefaults[static_cast<std::size_t>(Below(7))]);
      } else if (kind < 4) {
        lines.emplace_back();
      } else {
        lines.push_back(RandomDefinition());
      }
    }
    return lines;
  }

  TColor RandomBackground() {
    static constexpr std::array<TColor, 5> kColors{clBlack, clWhite, clRed, clBtnFace, 0x123456};
    return OneIn(4) ? static_cast<TColor>(Below(0x1000000)) : Pick(kColors);
  }

  // Any byte; mostly within the limits, now and then beyond them, and often
  // narrow, where rows fill up and games end.
  std::uint8_t RandomDimension(int usualMax) {
    if (OneIn(10)) return static_cast<std::uint8_t>(Below(256));
    if (OneIn(2)) return static_cast<std::uint8_t>(2 + Below(5));
    return static_cast<std::uint8_t>(2 + Below(usualMax - 1));
  }

  std::int32_t RandomShift() {
    static constexpr std::array<std::int32_t, 4> kExtremes{
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), -100, 100};
    return OneIn(10) ? Pick(kExtremes) : Below(7) - 3;
  }

  Op RandomOp() {
    int total = 0;
    for (const auto& [op, weight] : kOpWeights) total += weight;
    int roll = Below(total);
    for (const auto& [op, weight] : kOpWeights) {
      if (roll < weight) return op;
      roll -= weight;
    }
    return Op::MoveDown;
  }

  // --- Setting up ---

  void PrepareBoard() {
    board_->SetColumns(RandomDimension(TBrickfall::kStoreColumns));
    board_->SetRows(RandomDimension(TBrickfall::kStoreRows));
    board_->SetColor(RandomBackground());
    board_->SetPieces(RandomCatalogue());
    board_->OnGameEnd = [this](TObject& sender) { GameEnded(sender); };
    board_->OnLineFull = [this](TObject& sender, std::int32_t lines) { LinesRemoved(sender, lines); };
    previous_ = Store{};
    violation_.clear();
  }

  // --- Handlers ---

  void GameEnded(TObject& sender) {
    ++gameEnds_;
    if (&sender != board_) Violation("OnGameEnd names another sender");
    if (!board_->Playing()) Violation("OnGameEnd called while not playing");
    if (!inLandingOp_) Violation("OnGameEnd outside MoveDown and DropPiece");
    MaybeReenter();
    if (OneIn(50)) throw Exception(std::string(kHandlerFailure));
  }

  void LinesRemoved(TObject& sender, std::int32_t lines) {
    linesRemoved_ += lines;
    if (&sender != board_) Violation("OnLineFull names another sender");
    if (lines < 1 || lines > board_->Rows()) Violation("OnLineFull reports an impossible count");
    MaybeReenter();
    if (OneIn(50)) throw Exception(std::string(kHandlerFailure));
  }

  // A handler may call back into the board; whatever it does must leave the
  // board consistent, though the step's own expectations no longer apply.
  void MaybeReenter() {
    if (!OneIn(20)) return;
    reentered_ = true;
    ++coverage_.Reentries;
    const bool wasInLandingOp = inLandingOp_;
    inLandingOp_ = true;  // a nested landing may end the game
    try {
      switch (Below(4)) {
        case 0: board_->NewGame(); break;
        case 1: board_->MoveDown(); break;
        case 2: board_->DropPiece(); break;
        default: board_->SetPieces(RandomCatalogue()); break;
      }
    } catch (const Exception&) {
      // A nested failure is the nested caller's; this handler carries on.
    }
    inLandingOp_ = wasInLandingOp;
  }

  void Violation(const std::string& what) {
    if (violation_.empty()) violation_ = what;
  }

  // --- One step ---

  testing::AssertionResult Step(int step) {
    const Op op = RandomOp();
    const TPiece* piece = board_->CurPiece();
    const Before before{board_->Playing(), piece != nullptr,       board_->CurX(),
                        board_->CurY(),    board_->CurIndex(),     piece ? piece->Shape : TShapeMatrix{},
                        board_->Columns(), board_->Rows()};
    gameEnds_ = 0;
    linesRemoved_ = 0;
    reentered_ = false;
    Outcome outcome;
    testing::AssertionResult result = Perform(op, before, outcome);
    if (result && !violation_.empty()) result = testing::AssertionFailure() << violation_;
    Count(outcome);

    const bool mayWriteAnywhere = op == Op::NewGame || op == Op::ClearBoard || reentered_;
    std::vector<Change> changes;
    if (result) result = Scan(before, mayWriteAnywhere || step % kFullScanInterval == 0, changes);
    if (result && op == Op::SetCell) result = ScanCell(outcome.SetCellColumn, outcome.SetCellRow, changes);
    if (result) result = CheckFallingPiece();
    if (result && !reentered_) result = CheckStoreChange(op, before, changes, outcome);
    if (result && !reentered_) result = CheckPlaying(op, before, outcome);
    if (result && op == Op::NewGame && !outcome.NewGameFailed && !reentered_) result = CheckBuiltPieces();
    if (!result) {
      result << " after operation kind " << static_cast<int>(op) << " on a " << int{board_->Columns()}
             << " x " << int{board_->Rows()} << " board";
    }
    return result;
  }

  testing::AssertionResult Perform(Op op, const Before& before, Outcome& outcome) {
    try {
      switch (op) {
        case Op::NewGame: return StartGame(outcome);
        case Op::MoveLeft: return Shift(before, board_->MoveLeft(), -1);
        case Op::MoveRight: return Shift(before, board_->MoveRight(), 1);
        case Op::MoveDown:
          inLandingOp_ = true;
          outcome.MoveDownResult = board_->MoveDown();
          break;
        case Op::DropPiece:
          inLandingOp_ = true;
          if (board_->DropPiece() != 1) return testing::AssertionFailure() << "DropPiece did not return 1";
          break;
        case Op::Rotate:
          board_->Rotate(static_cast<std::uint8_t>(OneIn(20) ? Below(256) : Below(2)));
          if (!before.Playing && before.HadPiece && board_->CurPiece()->Shape != before.Shape) {
            return testing::AssertionFailure() << "piece turned while no game runs";
          }
          break;
        case Op::CanMove: (void)board_->CanMove(RandomShift(), RandomShift()); break;
        case Op::CanRotate: (void)board_->CanRotate(static_cast<std::uint8_t>(Below(3))); break;
        case Op::SelectPiece: board_->SelectPiece(Below(board_->PieceCount() + 4) - 2); break;
        case Op::NextPiece: board_->NextPiece(); break;
        case Op::FixPiece: board_->FixPiece(); break;
        case Op::CheckLines: board_->CheckLines(); break;
        case Op::ClearBoard: board_->ClearBoard(); break;
        case Op::SetGeometry: return SetGeometry();
        case Op::SetPieces: board_->SetPieces(RandomCatalogue()); break;
        case Op::SetColor: board_->SetColor(RandomBackground()); break;
        case Op::SetCell:
          outcome.SetCellColumn = Below(32);
          outcome.SetCellRow = Below(52);
          outcome.SetCellValue = Below(board_->PieceCount() + 3) - 1;
          board_->SetCell(outcome.SetCellColumn, outcome.SetCellRow, outcome.SetCellValue);
          break;
      }
    } catch (const Exception& error) {
      inLandingOp_ = false;
      if (error.Message() != kHandlerFailure) {
        return testing::AssertionFailure() << "unexpected failure \"" << error.Message() << '"';
      }
      outcome.HandlerFailed = true;
    }
    inLandingOp_ = false;
    return testing::AssertionSuccess();
  }

  // A move happens only during a game, by one column, and says so.
  testing::AssertionResult Shift(const Before& before, bool moved, int dx) const {
    const int expectedX = before.CurX + (moved ? dx : 0);
    if (moved && !before.Playing) return testing::AssertionFailure() << "piece moved while no game runs";
    if (board_->CurX() != expectedX) return testing::AssertionFailure() << "CurX does not follow the move";
    return testing::AssertionSuccess();
  }

  testing::AssertionResult StartGame(Outcome& outcome) {
    clockTime_ = static_cast<std::uint32_t>(Below(86'400'000));
    try {
      board_->NewGame();
    } catch (const Exception& error) {
      outcome.NewGameFailed = true;
      if (error.Message() != "No pieces to initialize." &&
          error.Message() != "Piece initialization failure; could not start a new game.") {
        return testing::AssertionFailure() << "NewGame raised \"" << error.Message() << '"';
      }
    }
    return testing::AssertionSuccess();
  }

  // Geometry follows a write, clamped, only while no game runs.
  testing::AssertionResult SetGeometry() {
    const std::uint8_t columns = RandomDimension(TBrickfall::kStoreColumns);
    const std::uint8_t rows = RandomDimension(TBrickfall::kStoreRows);
    const auto blockSize = static_cast<std::uint8_t>(Below(256));
    const bool playing = board_->Playing();
    const std::uint8_t expectedColumns =
        playing ? board_->Columns() : std::clamp<std::uint8_t>(columns, 2, TBrickfall::kStoreColumns);
    const std::uint8_t expectedRows =
        playing ? board_->Rows() : std::clamp<std::uint8_t>(rows, 2, TBrickfall::kStoreRows);
    const std::uint8_t expectedBlockSize = playing ? board_->BlockSize() : blockSize;
    board_->SetColumns(columns);
    board_->SetRows(rows);
    board_->SetBlockSize(blockSize);
    if (board_->Columns() != expectedColumns || board_->Rows() != expectedRows ||
        board_->BlockSize() != expectedBlockSize) {
      return testing::AssertionFailure() << "geometry write not clamped or not ignored";
    }
    return testing::AssertionSuccess();
  }

  void Count(const Outcome& outcome) {
    coverage_.GameEnds += gameEnds_;
    coverage_.RowsRemoved += linesRemoved_;
    coverage_.FailedNewGames += outcome.NewGameFailed;
    coverage_.FailedHandlers += outcome.HandlerFailed;
  }

  // Reads the board's cells into previous_, checking that each names a
  // built piece, and lists those that changed. A full scan reads every
  // cell; otherwise only those a step may write are read and the rest are
  // compared on the next full scan.
  testing::AssertionResult Scan(const Before& before, bool full, std::vector<Change>& changes) {
    const std::int32_t count = board_->PieceCount();
    for (int column = 1; column <= TBrickfall::kStoreColumns; ++column) {
      const int lastRow = full ? TBrickfall::kStoreRows : before.LastRowWritable(column);
      std::int32_t* cells = &previous_.Cells[Store::Index(column, 1)];
      for (int row = 1; row <= lastRow; ++row) {
        const std::int32_t value = board_->Cell(column, row);
        if (value < 0 || value > count) {
          return testing::AssertionFailure() << "cell (" << column << "," << row << ") holds " << value
                                             << " with " << count << " pieces";
        }
        if (value != cells[row - 1]) changes.push_back({column, row, cells[row - 1], value});
        cells[row - 1] = value;
      }
    }
    return testing::AssertionSuccess();
  }

  // Reads one more cell as Scan does; a cell read twice changes only once.
  testing::AssertionResult ScanCell(int column, int row, std::vector<Change>& changes) {
    if (column < 1 || column > TBrickfall::kStoreColumns || row < 1 || row > TBrickfall::kStoreRows) {
      return testing::AssertionSuccess();
    }
    std::int32_t& known = previous_.Cells[Store::Index(column, row)];
    const std::int32_t value = board_->Cell(column, row);
    if (value < 0 || value > board_->PieceCount()) {
      return testing::AssertionFailure() << "cell (" << column << "," << row << ") holds " << value;
    }
    if (value != known) changes.push_back({column, row, known, value});
    known = value;
    return testing::AssertionSuccess();
  }

  // --- Checks ---

  testing::AssertionResult CheckFallingPiece() const {
    const TPiece* piece = board_->CurPiece();
    if (piece == nullptr) {
      if (board_->Playing()) return testing::AssertionFailure() << "playing without a falling piece";
      return testing::AssertionSuccess();
    }
    const std::int32_t index = board_->CurIndex();
    if (index < 0 || index >= board_->PieceCount()) {
      return testing::AssertionFailure() << "CurIndex " << index << " beyond " << board_->PieceCount()
                                         << " pieces";
    }
    const TPiece& source = *board_->PieceList()->at(static_cast<std::size_t>(index));
    if (piece->Name != source.Name || piece->Color != source.Color || piece->Size != source.Size ||
        piece->Point != source.Point) {
      return testing::AssertionFailure() << "falling piece differs from list piece " << index;
    }
    TShapeMatrix turned = source.Shape;
    for (int turn = 0; turn < 4; ++turn) {
      if (turned == piece->Shape) return testing::AssertionSuccess();
      turned = RotateShape(turned, static_cast<std::uint8_t>(source.Size), 1);
    }
    return testing::AssertionFailure() << "falling shape is no turn of list piece " << index;
  }

  testing::AssertionResult CheckBuiltPieces() const {
    for (const auto& piece : *board_->PieceList()) {
      if (piece->Size < 1 || piece->Size > kShapeBoxSize) {
        return testing::AssertionFailure() << "built size " << piece->Size;
      }
      if (piece->Color == board_->Color()) return testing::AssertionFailure() << "piece in the background colour";
      for (int column = 1; column <= kShapeBoxSize; ++column) {
        for (int row = 1; row <= kShapeBoxSize; ++row) {
          if ((column > piece->Size || row > piece->Size) && piece->Shape.Filled(column, row)) {
            return testing::AssertionFailure() << "filled cell outside the used corner";
          }
        }
      }
      if (piece->Point.X < 0 || piece->Point.X > 5 || piece->Point.Y < 0 || piece->Point.Y > 5) {
        return testing::AssertionFailure() << "point out of range";
      }
    }
    return testing::AssertionSuccess();
  }

  testing::AssertionResult CheckStoreChange(Op op, const Before& before, const std::vector<Change>& changes,
                                            const Outcome& outcome) const {
    switch (op) {
      case Op::NewGame:
      case Op::ClearBoard:
        return previous_ == Store{} ? testing::AssertionSuccess()
                                    : testing::AssertionFailure() << "store not cleared";
      case Op::SetCell:
        return CheckSingleWrite(changes, outcome);
      case Op::CheckLines:
        return CheckRowRemoval(before, changes);
      case Op::MoveDown:
        if (outcome.MoveDownResult == TBrickfall::kMoved || outcome.HandlerFailed) return CheckUnchanged(changes);
        if (auto result = CheckLanding(before, changes); !result) return result;
        return CheckLandedWhereItStood(before);
      case Op::FixPiece:
        if (auto result = CheckLanding(before, changes); !result) return result;
        return CheckLandedWhereItStood(before);
      case Op::DropPiece:
        return CheckLanding(before, changes);
      default:
        return CheckUnchanged(changes);
    }
  }

  static testing::AssertionResult CheckUnchanged(const std::vector<Change>& changes) {
    if (changes.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "a step that must not write changed (" << changes[0].Column << ","
                                       << changes[0].Row << ")";
  }

  testing::AssertionResult CheckSingleWrite(const std::vector<Change>& changes, const Outcome& outcome) const {
    const bool accepted = outcome.SetCellColumn >= 1 && outcome.SetCellColumn <= TBrickfall::kStoreColumns &&
                          outcome.SetCellRow >= 1 && outcome.SetCellRow <= TBrickfall::kStoreRows &&
                          outcome.SetCellValue >= 0 && outcome.SetCellValue <= board_->PieceCount();
    for (const Change& change : changes) {
      if (!accepted || change.Column != outcome.SetCellColumn || change.Row != outcome.SetCellRow ||
          change.Is != outcome.SetCellValue) {
        return testing::AssertionFailure() << "SetCell wrote elsewhere or wrongly";
      }
    }
    return testing::AssertionSuccess();
  }

  // Row removal moves cells inside the play area only and takes away
  // exactly Columns cells per reported row.
  testing::AssertionResult CheckRowRemoval(const Before& before, const std::vector<Change>& changes) const {
    int removedCells = 0;
    for (const Change& change : changes) {
      if (!before.InPlayArea(change.Column, change.Row)) {
        return testing::AssertionFailure() << "row removal wrote beyond the play area";
      }
      removedCells += (change.Was != 0) - (change.Is != 0);
    }
    if (removedCells != linesRemoved_ * before.Columns) {
      return testing::AssertionFailure() << "removed cells do not match the reported rows";
    }
    return testing::AssertionSuccess();
  }

  // Beyond the play area only the landed piece's own cells may appear, in
  // its value and within its columns.
  static testing::AssertionResult CheckLanding(const Before& before, const std::vector<Change>& changes) {
    if (!before.HadPiece) return CheckUnchanged(changes);
    int written = 0;
    for (const Change& change : changes) {
      if (before.InPlayArea(change.Column, change.Row)) continue;
      if (change.Is != before.CurIndex + 1 || !before.InPieceColumns(change.Column)) {
        return testing::AssertionFailure() << "landing wrote " << change.Is << " at (" << change.Column << ","
                                           << change.Row << ") beyond the play area";
      }
      ++written;
    }
    if (written > kShapeBoxSize * kShapeBoxSize) {
      return testing::AssertionFailure() << "landing wrote more cells than a piece has";
    }
    return testing::AssertionSuccess();
  }

  // A piece that lands where it stood is stored there: cells beyond the
  // play area always, and the others too when no row was removed.
  testing::AssertionResult CheckLandedWhereItStood(const Before& before) const {
    if (!before.HadPiece) return testing::AssertionSuccess();
    for (int column = 1; column <= kShapeBoxSize; ++column) {
      for (int row = 1; row <= kShapeBoxSize; ++row) {
        if (!before.Shape.Filled(column, row)) continue;
        const int x = before.CurX + column - 1;
        const int y = before.CurY + row - 1;
        if (x < 1 || x > TBrickfall::kStoreColumns || y < 1 || y > TBrickfall::kStoreRows) continue;
        if (linesRemoved_ > 0 && before.InPlayArea(x, y)) continue;
        if (previous_.Cells[Store::Index(x, y)] != before.CurIndex + 1) {
          return testing::AssertionFailure() << "landed cell (" << x << "," << y << ") not stored";
        }
      }
    }
    return testing::AssertionSuccess();
  }

  // Only NewGame starts a game, and only a landing above the board while
  // playing ends it, once, after OnGameEnd unless that handler failed.
  testing::AssertionResult CheckPlaying(Op op, const Before& before, const Outcome& outcome) const {
    const bool playing = board_->Playing();
    if (op == Op::NewGame) {
      if (playing == outcome.NewGameFailed) return testing::AssertionFailure() << "Playing does not follow NewGame";
      return testing::AssertionSuccess();
    }
    if (gameEnds_ > 1) return testing::AssertionFailure() << "OnGameEnd called " << gameEnds_ << " times";
    if (gameEnds_ == 1) {
      if (op == Op::MoveDown && !outcome.HandlerFailed &&
          outcome.MoveDownResult != TBrickfall::kLandedAboveTheBoard) {
        return testing::AssertionFailure() << "game ended by a landing on the board";
      }
      if (playing != outcome.HandlerFailed) {
        return testing::AssertionFailure() << "Playing after OnGameEnd is " << playing;
      }
      return testing::AssertionSuccess();
    }
    if (playing != before.Playing) return testing::AssertionFailure() << "Playing changed without a game end";
    if (op == Op::MoveDown && before.Playing && outcome.MoveDownResult == TBrickfall::kLandedAboveTheBoard) {
      return testing::AssertionFailure() << "landing above the board did not end the game";
    }
    return testing::AssertionSuccess();
  }

  std::mt19937 rng_;
  TBrickfall* board_ = nullptr;
  std::uint32_t clockTime_ = 0;
  Store previous_;
  bool inLandingOp_ = false;
  bool reentered_ = false;
  int gameEnds_ = 0;
  std::int32_t linesRemoved_ = 0;
  std::string violation_;
  Coverage coverage_;
};

TEST(BoardSoakTest, MillionRandomOperationsKeepTheBoardConsistent) {
  Soak soak(kSoakSeed);
  EXPECT_TRUE(soak.Run(kOperations));
  // A run that never reached these situations would prove little.
  const Coverage& reached = soak.Reached();
  EXPECT_GT(reached.GameEnds, kOperations / 1000);
  EXPECT_GT(reached.RowsRemoved, kOperations / 1000);
  EXPECT_GT(reached.FailedNewGames, kOperations / 20000);
  EXPECT_GT(reached.FailedHandlers, kOperations / 20000);
  EXPECT_GT(reached.Reentries, kOperations / 20000);
}

}  // namespace
