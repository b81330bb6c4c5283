// SPDX-License-Identifier: MIT
#include "base/IntegerText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Conversion {
  const char* Text;
  std::optional<std::int32_t> Expected;
};

void PrintTo(const Conversion& conversion, std::ostream* out) { *out << '"' << conversion.Text << '"'; }

class IntegerFromTextTest : public testing::TestWithParam<Conversion> {};

TEST_P(IntegerFromTextTest, ConvertsExactlyAsWritten) {
  EXPECT_EQ(IntegerFromText(GetParam().Text), GetParam().Expected) << '"' << GetParam().Text << '"';
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerFromTextTest,
                         testing::Values(Conversion{"0", 0}, Conversion{"42", 42},
                                         Conversion{"+7", 7}, Conversion{"-3", -3},
                                         Conversion{"   12", 12}, Conversion{"007", 7},
                                         Conversion{"2147483647", kMax},
                                         Conversion{"-2147483648", kMin}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerFromTextTest,
                         testing::Values(Conversion{"$0A", 10}, Conversion{"0x0A", 10},
                                         Conversion{"0X0a", 10}, Conversion{"x1f", 31},
                                         Conversion{"X1F", 31}, Conversion{"$FFFFFFFF", -1},
                                         Conversion{"$80000000", kMin},
                                         Conversion{"$0000FF", 255},
                                         Conversion{"  $10", 16},
                                         Conversion{"$000000000001", 1}));

INSTANTIATE_TEST_SUITE_P(
    Refused, IntegerFromTextTest,
    testing::Values(Conversion{"", std::nullopt}, Conversion{"-", std::nullopt},
                    Conversion{"+", std::nullopt}, Conversion{"$", std::nullopt},
                    Conversion{"0x", std::nullopt}, Conversion{"0X", std::nullopt},
                    Conversion{"x", std::nullopt}, Conversion{"   ", std::nullopt},
                    Conversion{"12 ", std::nullopt},
                    Conversion{"\t12", std::nullopt}, Conversion{"4.0", std::nullopt},
                    Conversion{"abc", std::nullopt}, Conversion{"10 questions", std::nullopt},
                    Conversion{"2147483648", std::nullopt},
                    Conversion{"-2147483649", std::nullopt},
                    Conversion{"$100000000", std::nullopt}, Conversion{"-$10", std::nullopt},
                    Conversion{"+0x10", std::nullopt}, Conversion{"- 5", std::nullopt},
                    Conversion{"$G", std::nullopt},
                    Conversion{"99999999999999999999", std::nullopt}));

TEST(IntegerToTextTest, WritesPlainDecimal) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(40), "40");
  EXPECT_EQ(IntegerToText(-2147483648LL), "-2147483648");
}

}  // namespace
