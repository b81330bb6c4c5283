// SPDX-License-Identifier: MIT
#include "ui/StandardControls.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct PositionCase {
  int Set;
  int Stored;
};

void PrintTo(const PositionCase& position, std::ostream* out) { *out << "set " << position.Set; }

class ProgressBarClampTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(ProgressBarClampTest, StoresAPositionOutsideTheRangeAsTheNearerLimit) {
  ProgressBar bar;
  bar.SetMax(200);
  bar.SetPosition(GetParam().Set);
  EXPECT_EQ(bar.Position(), GetParam().Stored);
}

INSTANTIATE_TEST_SUITE_P(Positions, ProgressBarClampTest,
                         ::testing::Values(PositionCase{0, 0}, PositionCase{5, 5}, PositionCase{195, 195},
                                           PositionCase{200, 200}, PositionCase{-5, 0}, PositionCase{205, 200},
                                           PositionCase{-2147483647 - 1, 0}, PositionCase{2147483647, 200}));

TEST(ProgressBarTest, ReadsBackTheStoredRange) {
  ProgressBar bar;
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  bar.SetMax(200);
  EXPECT_EQ(bar.Max(), 200);
}

TEST(ProgressBarTest, ARangeThatShrinksPastThePositionTakesItAlong) {
  ProgressBar bar;
  bar.SetMax(200);
  bar.SetPosition(195);
  bar.SetMax(100);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetMin(-10);
  bar.SetPosition(-50);
  EXPECT_EQ(bar.Position(), -10);
  bar.SetMin(20);
  EXPECT_EQ(bar.Position(), 20);
}

TEST(ProgressBarTest, AnUpsideDownRangeHoldsOnlyItsMinimum) {
  ProgressBar bar;
  bar.SetMin(50);
  bar.SetMax(10);
  bar.SetPosition(30);
  EXPECT_EQ(bar.Position(), 50);
}

}  // namespace
}  // namespace ui
