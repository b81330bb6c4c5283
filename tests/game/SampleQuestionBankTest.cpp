// SPDX-License-Identifier: MIT
// The question bank shipped with the game goes beside the built executable.
// Its content is checked by the question file checker's tests, with the
// window's length limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

TEST(SampleQuestionBankTest, BuildPutsACopyBesideTheExecutable) {
  const std::filesystem::path original{TP_SAMPLE_QUESTION_BANK};
  const std::filesystem::path copy{TP_SAMPLE_QUESTION_BANK_COPY};
  ASSERT_TRUE(std::filesystem::exists(original));
  ASSERT_TRUE(std::filesystem::exists(copy));
  std::ifstream originalBytes(original, std::ios::binary);
  std::ifstream copiedBytes(copy, std::ios::binary);
  EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(originalBytes), {},
                         std::istreambuf_iterator<char>(copiedBytes), {}));
}

}  // namespace
