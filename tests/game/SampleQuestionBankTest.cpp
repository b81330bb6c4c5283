// SPDX-License-Identifier: MIT
// Checks the question bank shipped with the game, read through the game's
// own reader, so that a slip in the hand-written file is caught before a
// player meets it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "base/IntegerText.h"
#include "game/ProfileReader.h"

namespace {

constexpr std::size_t kMaxQuestionCharacters = 150;
constexpr std::size_t kMaxAnswerCharacters = 40;

std::size_t CharacterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (const char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

// The number of headers in the file that name a question, such as "[12]".
int NumberedSectionCount(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::regex numbered(R"(^\s*\[\s*[0-9]+\s*\].*)");
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_match(line, numbered)) ++count;
  }
  return count;
}

class SampleQuestionBankTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(file_)) GTEST_FAIL() << "the sample question bank is missing: " << file_;
  }

  [[nodiscard]] std::string Read(const std::string& section, const std::string& key) const {
    return reader_.ReadString(section, key, "");
  }
  [[nodiscard]] int Count() const { return IntegerFromText(Read("Overzicht", "Aantal")).value_or(0); }

  const std::filesystem::path file_{TP_SAMPLE_QUESTION_BANK};
  ProfileReader reader_{file_};
};

TEST_F(SampleQuestionBankTest, CountMatchesTheQuestionsInTheFile) {
  EXPECT_GE(Count(), 200);
  EXPECT_EQ(Count(), NumberedSectionCount(file_));
  EXPECT_EQ(Read(IntegerToText(Count() + 1), "Vraag"), "");
}

TEST_F(SampleQuestionBankTest, EveryQuestionIsCompleteDistinctAndFits) {
  const int count = Count();
  for (int k = 1; k <= count; ++k) {
    const std::string section = IntegerToText(k);
    SCOPED_TRACE("question " + section);
    const std::string question = Read(section, "Vraag");
    const std::string correct = Read(section, "Juist");
    const std::string wrongA = Read(section, "Fouta");
    const std::string wrongB = Read(section, "Foutb");
    EXPECT_FALSE(question.empty());
    EXPECT_FALSE(correct.empty());
    EXPECT_FALSE(wrongA.empty());
    EXPECT_FALSE(wrongB.empty());
    EXPECT_EQ((std::set<std::string>{correct, wrongA, wrongB}).size(), 3U)
        << correct << " / " << wrongA << " / " << wrongB;
    EXPECT_LE(CharacterCount(question), kMaxQuestionCharacters) << question;
    for (const std::string& answer : {correct, wrongA, wrongB}) {
      EXPECT_LE(CharacterCount(answer), kMaxAnswerCharacters) << answer;
    }
  }
}

TEST_F(SampleQuestionBankTest, BuildPutsACopyBesideTheExecutable) {
  const std::filesystem::path copy{TP_SAMPLE_QUESTION_BANK_COPY};
  ASSERT_TRUE(std::filesystem::exists(copy));
  std::ifstream original(file_, std::ios::binary);
  std::ifstream copied(copy, std::ios::binary);
  EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(original), {}, std::istreambuf_iterator<char>(copied), {}));
}

}  // namespace
