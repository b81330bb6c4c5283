// SPDX-License-Identifier: MIT
// The free shape routines: field splitting, bitmasks and quarter turns.
#include <gtest/gtest.h>

#include "board/Brickfall.h"
#include "tests/board/BoardPicture.h"

namespace {

struct FieldCase {
  std::string_view Text;
  std::string_view Delimiter;
  std::uint16_t N;
  std::string_view Expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << '"' << c.Text << "\" split at \"" << c.Delimiter << "\", field " << c.N;
}

class GetFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, ReturnsTheTextBetweenDelimiters) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(GetField(c.Text, c.Delimiter, c.N), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GetFieldTest,
    testing::Values(FieldCase{"a;;b", ";", 0, ""}, FieldCase{"a;;b", ";", 1, "a"},
                    FieldCase{"a;;b", ";", 2, ""}, FieldCase{"a;;b", ";", 3, "b"},
                    FieldCase{"a;;b", ";", 4, ""}, FieldCase{"a;;b", ";", 65535, ""},
                    FieldCase{"Inverse L;clYellow;3", ";", 1, "Inverse L"},
                    FieldCase{" clRed ;x", ";", 1, " clRed "},
                    FieldCase{"Stick", ";", 1, "Stick"}, FieldCase{"Stick", ";", 2, ""},
                    FieldCase{"a;", ";", 2, ""}, FieldCase{";b", ";", 1, ""},
                    FieldCase{"", ";", 1, ""}, FieldCase{"2,3", ",", 2, "3"},
                    FieldCase{"a;b", "", 1, ""},
                    // A longer delimiter is skipped whole.
                    FieldCase{"xabyabz", "ab", 2, "y"}));

struct ShapeCase {
  std::string_view Bitmask;
  std::uint8_t Size;
  std::string_view Expected;  // the whole 5 x 5 box
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
  *os << '"' << c.Bitmask << "\" of size " << int{c.Size};
}

class StringToShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(StringToShapeTest, FillsTheCellsMarkedOneRowByRow) {
  const ShapeCase& c = GetParam();
  EXPECT_EQ(ShapePicture(StringToShape(c.Bitmask, c.Size), kShapeBoxSize), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bitmasks, StringToShapeTest,
    testing::Values(
        ShapeCase{"0100010001000100", 4, ".X...\n.X...\n.X...\n.X...\n....."},
        ShapeCase{"111", 3, "XXX..\n.....\n.....\n.....\n....."},
        ShapeCase{"111111", 2, "XX...\nXX...\n.....\n.....\n....."},
        ShapeCase{"1x21", 2, "X....\n.X...\n.....\n.....\n....."},
        ShapeCase{"", 4, ".....\n.....\n.....\n.....\n....."},
        ShapeCase{"1111111111111111111111111", 5, "XXXXX\nXXXXX\nXXXXX\nXXXXX\nXXXXX"},
        ShapeCase{"111111111", 1, "X....\n.....\n.....\n.....\n....."},
        ShapeCase{"1", 0, ".....\n.....\n.....\n.....\n....."}));

class RotateShapeTest : public testing::Test {
 protected:
  static std::string Turned(std::string_view bitmask, std::uint8_t size, std::uint8_t direction) {
    return ShapePicture(RotateShape(StringToShape(bitmask, size), size, direction), size);
  }
};

TEST_F(RotateShapeTest, ClockwiseTurnsTheTOnItsSide) {
  EXPECT_EQ(Turned("010111000", 3, 1), ".X.\n.XX\n.X.");
}

TEST_F(RotateShapeTest, CounterClockwiseTurnsTheTTheOtherWay) {
  EXPECT_EQ(Turned("010111000", 3, 0), ".X.\nXX.\n.X.");
}

TEST_F(RotateShapeTest, ClockwiseTurnsTheL) {
  EXPECT_EQ(Turned("010010011", 3, 1), "...\nXXX\nX..");
}

TEST_F(RotateShapeTest, TurnsAboutTheBoxCentreSoTheStickMovesWithinIt) {
  EXPECT_EQ(Turned("0100010001000100", 4, 1), "....\nXXXX\n....\n....");
  EXPECT_EQ(Turned("0100010001000100", 4, 0), "....\n....\nXXXX\n....");
}

TEST_F(RotateShapeTest, LeavesTheBlockUnchanged) {
  EXPECT_EQ(Turned("1111", 2, 0), "XX\nXX");
  EXPECT_EQ(Turned("1111", 2, 1), "XX\nXX");
}

TEST_F(RotateShapeTest, UnknownDirectionLeavesTheShape) {
  EXPECT_EQ(Turned("010111000", 3, 2), ".X.\nXXX\n...");
}

struct DefinitionCase {
  std::string_view Bitmask;
  std::uint8_t Size;
};

void PrintTo(const DefinitionCase& shape, std::ostream* out) {
  *out << shape.Bitmask << " size " << int{shape.Size};
}

class RotateRoundTripTest : public testing::TestWithParam<DefinitionCase> {};

TEST_P(RotateRoundTripTest, FourTurnsOrOneEachWayRestoreTheShape) {
  const auto [bitmask, size] = GetParam();
  const TShapeMatrix original = StringToShape(bitmask, size);
  for (std::uint8_t direction : {0, 1}) {
    TShapeMatrix shape = original;
    for (int turn = 0; turn < 4; ++turn) shape = RotateShape(shape, size, direction);
    EXPECT_EQ(shape, original) << "direction " << int{direction};
  }
  EXPECT_EQ(RotateShape(RotateShape(original, size, 1), size, 0), original);
}

TEST_P(RotateRoundTripTest, KeepsCellsInsideTheCorner) {
  const auto [bitmask, size] = GetParam();
  const TShapeMatrix turned = RotateShape(StringToShape(bitmask, size), size, 1);
  for (int column = 1; column <= kShapeBoxSize; ++column) {
    for (int row = 1; row <= kShapeBoxSize; ++row) {
      if (column > size || row > size) {
        EXPECT_FALSE(turned.Filled(column, row));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, RotateRoundTripTest,
                         testing::Values(DefinitionCase{"0100010001000100", 4},
                                         DefinitionCase{"110011000", 3},
                                         DefinitionCase{"011110000", 3},
                                         DefinitionCase{"010010110", 3},
                                         DefinitionCase{"1000000000000000000000011", 5},
                                         DefinitionCase{"1", 1}));

TEST(ShapeMatrixTest, CellsOutsideTheBoxReadEmptyAndIgnoreWrites) {
  TShapeMatrix shape;
  shape.SetFilled(0, 1, true);
  shape.SetFilled(6, 6, true);
  EXPECT_FALSE(shape.Filled(0, 1));
  EXPECT_FALSE(shape.Filled(6, 6));
  EXPECT_EQ(shape, TShapeMatrix{});
}

TEST(CopyPieceTest, CopiesAllFiveFields) {
  TPiece source{"Inverse L", clYellow, 3, StringToShape("010010110", 3), {2, 5}};
  TPiece dest{"Old", clRed, 5, StringToShape("1", 1), {1, 1}};
  CopyPiece(dest, source);
  EXPECT_EQ(dest.Name, "Inverse L");
  EXPECT_EQ(dest.Color, clYellow);
  EXPECT_EQ(dest.Size, 3);
  EXPECT_EQ(dest.Shape, source.Shape);
  EXPECT_EQ(dest.Point, (TPiecePoint{2, 5}));
}

}  // namespace
