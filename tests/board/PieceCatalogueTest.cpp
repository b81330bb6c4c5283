// SPDX-License-Identifier: MIT
// Building the piece list from the definition lines.
#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/board/BoardFixture.h"
#include "tests/board/BoardPicture.h"

namespace {

const std::vector<std::string> kDefaultLines{
    "Stick;clWhite;4;0100010001000100", "Block;clRed;2;1111",
    "Z;clLime;3;110011000",             "S;clAqua;3;011110000",
    "T;clPurple;3;010111000",           "L;clBlue;3;010010011",
    "Inverse L;clYellow;3;010010110",
};

// The random source as it is defined, step by step, so that the board's use
// of it is checked against the definition and not against itself.
std::uint32_t NextSeed(std::uint32_t seed) { return seed * 134775813U + 1U; }
std::uint32_t DrawBelow(std::uint32_t seed, std::uint32_t n) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
}

class CatalogueTest : public BoardTest {
 protected:
  // Builds a one-line catalogue and returns its piece.
  const TPiece& BuildOne(const std::string& line) {
    Start({line});
    return *board.PieceList()->at(0);
  }
};

TEST_F(CatalogueTest, NewBoardHoldsTheSevenDefaultDefinitions) {
  EXPECT_EQ(board.Pieces(), kDefaultLines);
  EXPECT_EQ(DefaultPieces(), kDefaultLines);
}

TEST_F(CatalogueTest, ThereIsNoPieceListBeforeTheFirstGame) {
  EXPECT_EQ(board.PieceList(), nullptr);
  EXPECT_EQ(board.PieceCount(), 0);
}

struct DefaultPieceCase {
  std::string_view Name;
  TColor Color;
  std::int32_t Size;
  std::string_view Shape;
};

void PrintTo(const DefaultPieceCase& c, std::ostream* os) { *os << c.Name; }

class DefaultCatalogueTest : public BoardTest,
                             public testing::WithParamInterface<std::pair<int, DefaultPieceCase>> {};

TEST_P(DefaultCatalogueTest, BuildsTheDesignedPiece) {
  const auto& [index, expected] = GetParam();
  board.NewGame();
  ASSERT_EQ(board.PieceCount(), 7);
  const TPiece& piece = *board.PieceList()->at(static_cast<std::size_t>(index));
  EXPECT_EQ(piece.Name, expected.Name);
  EXPECT_EQ(piece.Color, expected.Color);
  EXPECT_EQ(piece.Size, expected.Size);
  EXPECT_EQ(ShapePicture(piece.Shape, piece.Size), expected.Shape);
  EXPECT_EQ(piece.Point, (TPiecePoint{0, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    OnABlackBoard, DefaultCatalogueTest,
    testing::Values(std::pair{0, DefaultPieceCase{"Stick", 0xFFFFFF, 4, ".X..\n.X..\n.X..\n.X.."}},
                    std::pair{1, DefaultPieceCase{"Block", 0x0000FF, 2, "XX\nXX"}},
                    std::pair{2, DefaultPieceCase{"Z", 0x00FF00, 3, "XX.\n.XX\n..."}},
                    std::pair{3, DefaultPieceCase{"S", 0xFFFF00, 3, ".XX\nXX.\n..."}},
                    std::pair{4, DefaultPieceCase{"T", 0x800080, 3, ".X.\nXXX\n..."}},
                    std::pair{5, DefaultPieceCase{"L", 0xFF0000, 3, ".X.\n.X.\n.XX"}},
                    std::pair{6, DefaultPieceCase{"Inverse L", 0x00FFFF, 3, ".X.\n.X.\nXX."}}),
    [](const auto& info) { return "Piece" + std::to_string(info.param.first); });

struct FieldCase {
  std::string_view Field;
  std::uint32_t Expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << '"' << c.Field << '"'; }

class ColorFieldTest : public CatalogueTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(ColorFieldTest, ReadsAnIdentifierThenIntegerTextElseWhite) {
  board.SetColor(0x123456);  // a background no case names, so no colour is redrawn
  const TPiece& piece = BuildOne("P;" + std::string(GetParam().Field) + ";2;1111");
  EXPECT_EQ(piece.Color, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, ColorFieldTest,
    testing::Values(FieldCase{"clRed", 0x0000FF}, FieldCase{"clred", 0x0000FF},
                    FieldCase{"CLRED", 0x0000FF}, FieldCase{" clRed", 0xFFFFFF},
                    FieldCase{"clRed ", 0xFFFFFF}, FieldCase{"$0000FF", 0x0000FF},
                    FieldCase{"255", 0x0000FF}, FieldCase{"12 ", 0xFFFFFF},
                    FieldCase{"", 0xFFFFFF}, FieldCase{"red", 0xFFFFFF},
                    FieldCase{"clBtnFace", 0x8000000F}, FieldCase{"clNone", 0x1FFFFFFF},
                    FieldCase{"0x10", 16}, FieldCase{"-1", 0xFFFFFFFF}));

class SizeFieldTest : public CatalogueTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(SizeFieldTest, ReadsIntegerTextClampedToTheBox) {
  const TPiece& piece = BuildOne("P;clRed;" + std::string(GetParam().Field) + ";1");
  EXPECT_EQ(piece.Size, static_cast<std::int32_t>(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeFieldTest,
                         testing::Values(FieldCase{"0", 1}, FieldCase{"-3", 1}, FieldCase{"9", 5},
                                         FieldCase{"5", 5}, FieldCase{"1", 1},
                                         FieldCase{"abc", 4}, FieldCase{"", 4},
                                         FieldCase{"4.0", 4}, FieldCase{"$3", 3},
                                         FieldCase{" 2", 2}, FieldCase{"2 ", 4},
                                         FieldCase{"99999999999", 4}));

struct PointCase {
  std::string_view Field;
  TPiecePoint Expected;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << '"' << c.Field << '"'; }

class PointFieldTest : public CatalogueTest, public testing::WithParamInterface<PointCase> {};

TEST_P(PointFieldTest, ReadsTwoNumbersInZeroToFiveElseTheOrigin) {
  const TPiece& piece = BuildOne("P;clRed;2;1111;" + std::string(GetParam().Field));
  EXPECT_EQ(piece.Point, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Points, PointFieldTest,
                         testing::Values(PointCase{"2,3", {2, 3}}, PointCase{"5,5", {5, 5}},
                                         PointCase{"0,5", {0, 5}}, PointCase{" 1,2", {1, 2}},
                                         PointCase{"2,3,9", {2, 3}}, PointCase{"6,1", {0, 0}},
                                         PointCase{"2", {0, 0}}, PointCase{"2,x", {0, 0}},
                                         PointCase{"-1,0", {0, 0}}, PointCase{"", {0, 0}}));

TEST_F(CatalogueTest, LineWithoutSeparatorsIsAWhiteEmptyPieceNamedByTheLine) {
  const TPiece& piece = BuildOne("Just a name");
  EXPECT_EQ(piece.Name, "Just a name");
  EXPECT_EQ(piece.Color, clWhite);
  EXPECT_EQ(piece.Size, 4);
  EXPECT_EQ(piece.Shape, TShapeMatrix{});
}

TEST_F(CatalogueTest, NameKeepsItsBlanks) {
  EXPECT_EQ(BuildOne(" Inverse L ;clRed;2;1111").Name, " Inverse L ");
}

TEST_F(CatalogueTest, BackgroundColouredPieceGetsTheNextRandomDraw) {
  clockTime = 1000;
  const TPiece& piece = BuildOne("Shadow;clBlack;2;1111");
  EXPECT_EQ(piece.Color, DrawBelow(NextSeed(1000), 0xFFFFFF));
  EXPECT_NE(piece.Color, clBlack);
}

TEST_F(CatalogueTest, BackgroundColouredPieceDiffersFromGameToGame) {
  clockTime = 1000;
  const TColor first = BuildOne("Shadow;clBlack;2;1111").Color;
  clockTime = 2000;
  board.NewGame();
  const TColor second = board.PieceList()->at(0)->Color;
  EXPECT_EQ(second, DrawBelow(NextSeed(2000), 0xFFFFFF));
  EXPECT_NE(first, second);
}

TEST_F(CatalogueTest, OnlyPiecesInTheBackgroundColourAreRedrawn) {
  board.SetColor(clWhite);
  clockTime = 1000;
  Start({"Stick;clWhite;4;0100010001000100", "Block;clRed;2;1111", "Ghost;$FFFFFF;1;1"});
  std::uint32_t seed = NextSeed(1000);
  EXPECT_EQ(board.PieceList()->at(0)->Color, DrawBelow(seed, 0xFFFFFF));
  EXPECT_EQ(board.PieceList()->at(1)->Color, clRed);
  seed = NextSeed(seed);
  EXPECT_EQ(board.PieceList()->at(2)->Color, DrawBelow(seed, 0xFFFFFF));
  // The piece is then drawn from the seed the colours left.
  EXPECT_EQ(board.CurIndex(), static_cast<std::int32_t>(DrawBelow(NextSeed(seed), 3)));
}

TEST_F(CatalogueTest, ColoursAreSettledWhenTheListIsBuilt) {
  BuildOne("P;clRed;2;1111");
  board.SetColor(clRed);
  EXPECT_EQ(board.PieceList()->at(0)->Color, clRed);
}

TEST_F(CatalogueTest, EmptyLinesAreSkippedWithoutLeavingAGap) {
  Start({"", "Block;clRed;2;1111", "", "T;clPurple;3;010111000"});
  ASSERT_EQ(board.PieceCount(), 2);
  EXPECT_EQ(board.PieceList()->at(0)->Name, "Block");
  EXPECT_EQ(board.PieceList()->at(1)->Name, "T");
}

TEST_F(CatalogueTest, LineOfBlanksIsAPiece) {
  Start({"   "});
  ASSERT_EQ(board.PieceCount(), 1);
  EXPECT_EQ(board.PieceList()->at(0)->Name, "   ");
}

class RefusedCatalogueTest : public CatalogueTest,
                             public testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(RefusedCatalogueTest, NewGameRaisesNoPiecesAndDoesNotStart) {
  board.SetPieces(GetParam());
  try {
    board.NewGame();
    FAIL() << "NewGame started a game without pieces";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "No pieces to initialize.");
  }
  EXPECT_FALSE(board.Playing());
  EXPECT_EQ(board.CurPiece(), nullptr);
  ASSERT_NE(board.PieceList(), nullptr);
  EXPECT_EQ(board.PieceCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, RefusedCatalogueTest,
                         testing::Values(std::vector<std::string>{},
                                         std::vector<std::string>{"", "", ""}),
                         [](const auto& info) {
                           return info.param.empty() ? std::string("NoLines")
                                                     : std::string("OnlyEmptyLines");
                         });

TEST_F(CatalogueTest, NewCatalogueTakesEffectAtTheNextGame) {
  board.SetPieces({"Block;clRed;2;1111"});
  EXPECT_EQ(board.PieceList(), nullptr);
  board.NewGame();
  EXPECT_EQ(board.PieceCount(), 1);
}

TEST_F(CatalogueTest, CatalogueCannotChangeDuringAGame) {
  Start({"Block;clRed;2;1111"});
  board.SetPieces({"T;clPurple;3;010111000", "S;clAqua;3;011110000"});
  EXPECT_EQ(board.Pieces(), std::vector<std::string>{"Block;clRed;2;1111"});
}

}  // namespace
