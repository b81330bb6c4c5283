// SPDX-License-Identifier: MIT
#include "game/QuestionBank.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "base/Clock.h"
#include "base/ExecutablePath.h"
#include "base/IntegerText.h"
#include "base/Random.h"
#include "tests/game/TempFolder.h"
#include "ui/Services.h"

namespace {

// The clock at 13:45:30.250 seeds the source with 49530250; the next draw
// below 10 then gives 2, so question 3 is drawn. Worked out by hand from
// the generator.
constexpr TimeOfDay kAfternoon{13, 45, 30, 250};
constexpr std::uint32_t kSeedAfterOneDrawInTheAfternoon = 1022231475U;

// Sections 1 to `count` of questions whose texts name their number.
std::string NumberedSections(int count) {
  std::string text;
  for (int k = 1; k <= count; ++k) {
    const std::string n = IntegerToText(k);
    text += "[" + n + "]\nVraag=Q" + n + "\nJuist=C" + n + "\nFouta=A" + n + "\nFoutb=B" + n + "\n";
  }
  return text;
}

std::string NumberedBank(const std::string& aantal, int sections) {
  return "[Overzicht]\nAantal=" + aantal + "\n" + NumberedSections(sections);
}

QuizQuestion Numbered(int k) {
  const std::string n = IntegerToText(k);
  return {"Q" + n, "C" + n, "A" + n, "B" + n};
}

class QuestionBankTest : public testing::Test {
 protected:
  TempFolder folder_;
  QuestionBank bank_{folder_.Path() / "vragen.ini"};

  void WriteBank(std::string_view text) const { folder_.Write("vragen.ini", text); }

  // Draws with the clock standing at `time`.
  [[nodiscard]] QuizQuestion DrawAt(TimeOfDay time) const {
    ScopedClockSource clock([time] { return time; });
    return bank_.DrawQuestion();
  }
  [[nodiscard]] QuizQuestion DrawAtMillisecond(int millisecond) const {
    return DrawAt({0, 0, millisecond / 1000, millisecond % 1000});
  }
};

TEST_F(QuestionBankTest, NoFileGivesFourEmptyTexts) {
  EXPECT_EQ(DrawAt(kAfternoon), QuizQuestion{});
}

TEST_F(QuestionBankTest, DrawReseedsFromTheClockAndTakesOneNumber) {
  SetRandSeed(777);
  (void)DrawAt(kAfternoon);
  EXPECT_EQ(RandSeed(), kSeedAfterOneDrawInTheAfternoon);
}

TEST_F(QuestionBankTest, ClockDecidesTheQuestion) {
  WriteBank(NumberedBank("10", 10));
  EXPECT_EQ(DrawAt(kAfternoon), Numbered(3));
  EXPECT_EQ(DrawAtMillisecond(1000), Numbered(4));
  EXPECT_EQ(DrawAtMillisecond(2000), Numbered(8));
}

TEST_F(QuestionBankTest, KeysFillTheirOwnFields) {
  WriteBank("[overzicht]\naantal=1\n[1]\nFOUTB=wrong b\nfouta = \"wrong a\"\nJuist='right'\nvraag=  Which?  \n");
  EXPECT_EQ(DrawAt(kAfternoon), (QuizQuestion{"Which?", "right", "wrong a", "wrong b"}));
}

TEST_F(QuestionBankTest, MissingKeyGivesAnEmptyText) {
  WriteBank("[Overzicht]\nAantal=1\n[1]\nVraag=Q\nJuist=C\nFouta=A\n");
  EXPECT_EQ(DrawAt(kAfternoon), (QuizQuestion{"Q", "C", "A", ""}));
}

TEST_F(QuestionBankTest, MissingCountAlwaysGivesTheFirstQuestion) {
  WriteBank(NumberedSections(5));
  for (int millisecond : {0, 1, 999, 12345, 86399999}) {
    EXPECT_EQ(DrawAtMillisecond(millisecond), Numbered(1)) << "at " << millisecond << " ms";
  }
}

// The count is integer text; anything that does not convert counts 0, which
// always draws question 1.
struct CountCase {
  const char* aantal;
  int expectedQuestion;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << "Aantal=" << c.aantal; }

class QuestionCountTest : public QuestionBankTest, public testing::WithParamInterface<CountCase> {};

TEST_P(QuestionCountTest, CountIsReadAsIntegerText) {
  WriteBank(NumberedBank(GetParam().aantal, 10));
  EXPECT_EQ(DrawAt(kAfternoon), Numbered(GetParam().expectedQuestion));
}

INSTANTIATE_TEST_SUITE_P(Counts, QuestionCountTest,
                         testing::Values(CountCase{"10", 3}, CountCase{"$0A", 3}, CountCase{"0x0A", 3},
                                         CountCase{"X0a", 3}, CountCase{"\"10\"", 3}, CountCase{"  10", 3},
                                         CountCase{"10 questions", 1}, CountCase{"ten", 1}, CountCase{"", 1},
                                         CountCase{"0", 1}, CountCase{"-0", 1}, CountCase{"+10", 3},
                                         CountCase{"99999999999", 1}),
                         [](const testing::TestParamInfo<CountCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(QuestionBankTest, NegativeCountCanDrawANegativeSection) {
  // At 16 ms a count of -1 draws -2138554287: the number wraps in 32 bits
  // and the section is named with a minus sign.
  WriteBank("[Overzicht]\nAantal=-1\n[1]\nVraag=first\n[-2138554287]\nVraag=negative\n");
  EXPECT_EQ(DrawAtMillisecond(16).Question, "negative");
}

TEST_F(QuestionBankTest, NegativeCountUsuallyFindsNoSection) {
  WriteBank("[Overzicht]\nAantal=-5\n" + NumberedSections(5));
  EXPECT_EQ(DrawAt(kAfternoon), QuizQuestion{});
}

TEST_F(QuestionBankTest, SectionWithLeadingZeroIsNeverFound) {
  WriteBank("[Overzicht]\nAantal=1\n[01]\nVraag=zero-padded\n");
  EXPECT_EQ(DrawAt(kAfternoon), QuizQuestion{});
}

TEST_F(QuestionBankTest, CountBeyondTheSectionsGivesEmptyDrawsInProportion) {
  WriteBank(NumberedBank("3", 2));
  int empty = 0;
  constexpr int kDraws = 3000;
  for (int millisecond = 0; millisecond < kDraws; ++millisecond) {
    const QuizQuestion question = DrawAtMillisecond(millisecond * 7);
    if (question == QuizQuestion{}) {
      ++empty;
    } else {
      EXPECT_TRUE(question == Numbered(1) || question == Numbered(2));
    }
  }
  EXPECT_GT(empty, kDraws / 3 - 150);
  EXPECT_LT(empty, kDraws / 3 + 150);
}

TEST_F(QuestionBankTest, EditBetweenDrawsCountsAtTheNextDraw) {
  WriteBank(NumberedBank("1", 1));
  EXPECT_EQ(DrawAt(kAfternoon), Numbered(1));
  WriteBank("[Overzicht]\nAantal=1\n[1]\nVraag=edited\n");
  EXPECT_EQ(DrawAt(kAfternoon).Question, "edited");
  std::filesystem::remove(bank_.File());
  EXPECT_EQ(DrawAt(kAfternoon), QuizQuestion{});
}

TEST_F(QuestionBankTest, CodePageBankIsShownAsUtf8) {
  WriteBank("[Overzicht]\nAantal=1\n[1]\nVraag=Wat is een caf\xE9?\nJuist=\x80 5\n");
  const QuizQuestion question = DrawAt(kAfternoon);
  EXPECT_EQ(question.Question, "Wat is een caf\xC3\xA9?");
  EXPECT_EQ(question.Correct, "\xE2\x82\xAC 5");
}

TEST(DefaultQuestionFileTest, LiesBesideTheExecutable) {
  const std::filesystem::path file = DefaultQuestionFile();
  EXPECT_EQ(file, ExecutableDirectory() / "vragen.ini");
  EXPECT_TRUE(file.is_absolute());
}

// A file kept outside the process (the web page's) is brought into place
// before each draw: the draw must read what the refresh put there, and only
// a draw (not a single request) asks for it.
// A file source that runs `refresh`.
class FileSourceCalling final : public ui::FileSource {
 public:
  explicit FileSourceCalling(std::function<void(const std::filesystem::path&)> refresh)
      : refresh_(std::move(refresh)) {}
  void Refresh(const std::filesystem::path& file) override { refresh_(file); }

 private:
  std::function<void(const std::filesystem::path&)> refresh_;
};

TEST_F(QuestionBankTest, DrawReadsTheFileAsTheFileSourceLeftIt) {
  int refreshes = 0;
  FileSourceCalling source([&](const std::filesystem::path& file) {
    ++refreshes;
    EXPECT_EQ(file, folder_.Path() / "vragen.ini");
    WriteBank(NumberedBank("1", refreshes == 1 ? 1 : 0));
  });
  const ui::ScopedService<ui::FileSource> installed(source);
  WriteBank(NumberedBank("0", 0));
  EXPECT_EQ(DrawAt(kAfternoon), Numbered(1));
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(DrawAt(kAfternoon), QuizQuestion{});
  EXPECT_EQ(bank_.Count(), 1);
  EXPECT_EQ(refreshes, 2);
}

}  // namespace
