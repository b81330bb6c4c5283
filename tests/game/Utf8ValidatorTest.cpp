// SPDX-License-Identifier: MIT
#include "game/Utf8Validator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Utf8Case {
  const char* what;
  std::string bytes;
  bool valid;
};

void PrintTo(const Utf8Case& c, std::ostream* out) { *out << c.what; }

class Utf8ValidatorTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidatorTest, JudgesTheWholeStreamWhereverItIsCut) {
  const Utf8Case& c = GetParam();
  for (std::size_t split = 0; split <= c.bytes.size(); ++split) {
    Utf8Validator validator;
    validator.Feed(std::string_view(c.bytes).substr(0, split));
    validator.Feed(std::string_view(c.bytes).substr(split));
    validator.Finish();
    EXPECT_EQ(validator.Valid(), c.valid) << "split at " << split;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8ValidatorTest,
    testing::Values(Utf8Case{"ascii", "plain [text]=1\r\n", true},
                    Utf8Case{"nul", std::string("a\0b", 3), true},
                    Utf8Case{"byte order mark", "\xEF\xBB\xBF", true},
                    Utf8Case{"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", true},
                    Utf8Case{"highest code point", "\xF4\x8F\xBF\xBF", true},
                    Utf8Case{"last before surrogates", "\xED\x9F\xBF", true},
                    Utf8Case{"code page e acute", "caf\xE9", false},
                    Utf8Case{"stray continuation", "\x80", false},
                    Utf8Case{"overlong two bytes", "\xC0\xAF", false},
                    Utf8Case{"overlong three bytes", "\xE0\x9F\xBF", false},
                    Utf8Case{"overlong four bytes", "\xF0\x8F\xBF\xBF", false},
                    Utf8Case{"surrogate", "\xED\xA0\x80", false},
                    Utf8Case{"past the last code point", "\xF4\x90\x80\x80", false},
                    Utf8Case{"lead byte F5", "\xF5\x80\x80\x80", false},
                    Utf8Case{"cut short at the end", "ab\xE2\x82", false},
                    Utf8Case{"cut short by ascii", "\xC3" "a", false}));

}  // namespace
