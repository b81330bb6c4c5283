// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionCsvImport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "game/QuestionBank.h"
#include "tests/game/TempFolder.h"
#include "tools/questions/QuestionFileCheck.h"
#include "ui/Caption.h"

namespace {

using namespace std::string_literals;

struct ImportCase {
  const char* behaviour;
  std::string csv;
  std::vector<QuizQuestion> questions;
};

void PrintTo(const ImportCase& c, std::ostream* out) { *out << c.behaviour; }

class QuestionCsvImportTest : public testing::TestWithParam<ImportCase> {
 protected:
  TempFolder folder_;
};

// CSV, then the question file written from it, then the game's reader: the
// game shows every text as the spreadsheet held it.
TEST_P(QuestionCsvImportTest, GameShowsTheSpreadsheetsTexts) {
  const ImportCase& c = GetParam();
  const auto read = ReadCsvQuestions(c.csv);
  ASSERT_TRUE(std::holds_alternative<CsvQuestions>(read)) << std::get<CsvRefusal>(read).message;
  EXPECT_EQ(std::get<CsvQuestions>(read).questions, c.questions);

  std::vector<QuizQuestion> values;
  for (const QuizQuestion& texts : std::get<CsvQuestions>(read).questions) values.push_back(ValuesShowing(texts));
  const auto file = folder_.Write("vragen.ini", QuestionFileText(values, "test.csv"));
  const QuestionBank bank(file);
  ASSERT_EQ(bank.Count(), static_cast<std::int32_t>(c.questions.size()));
  for (std::size_t k = 0; k < c.questions.size(); ++k) {
    const QuizQuestion read = bank.ReadQuestion(static_cast<std::int32_t>(k + 1));
    const QuizQuestion shown{ui::ParseCaption(read.Question).Text, ui::ParseCaption(read.Correct).Text,
                             ui::ParseCaption(read.WrongA).Text, ui::ParseCaption(read.WrongB).Text};
    EXPECT_EQ(shown, c.questions[k]) << "question " << k + 1;
  }
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  ASSERT_TRUE(check);
  EXPECT_TRUE(check->AllWhole()) << (check->findings.empty() ? "" : check->findings.front().message);
}

const QuizQuestion kSpider{"How many legs does a spider have?", "Eight", "Six", "Ten"};
const QuizQuestion kGas{"Which gas do plants take in?", "Carbon dioxide", "Helium", "Neon"};

INSTANTIATE_TEST_SUITE_P(
    Spreadsheets, QuestionCsvImportTest,
    testing::Values(
        ImportCase{"CommaSeparated", "How many legs does a spider have?,Eight,Six,Ten\n"
                                     "Which gas do plants take in?,Carbon dioxide,Helium,Neon\n",
                   {kSpider, kGas}},
        ImportCase{"SemicolonsWithAHeaderAndCrLf", "Vraag;Juist;Fouta;Foutb\r\n"
                                                   "How many legs does a spider have?;Eight;Six;Ten\r\n",
                   {kSpider}},
        ImportCase{"TabsAndEmptyRowsAndColumns", "Question\tCorrect\tWrong\tWrong\t\t\n\t\t\t\n"
                                                 "How many legs does a spider have?\tEight\tSix\tTen\t\t\n\t\t\t\n",
                   {kSpider}},
        ImportCase{"QuotedFieldsHoldSeparatorsQuotesAndLineBreaks",
                   "\"Who wrote \"\"Hamlet\"\", a play?\",Shakespeare,\"Marlowe, Christopher\",\"Jonson\r\nBen\"\n",
                   {{"Who wrote \"Hamlet\", a play?", "Shakespeare", "Marlowe, Christopher", "Jonson Ben"}}},
        ImportCase{"TextsTheReaderWouldChangeComeBackAsWritten", "\"\"\"Hamlet\"\"\",Salt & pepper,'quoted',&&\n",
                   {{"\"Hamlet\"", "Salt & pepper", "'quoted'", "&&"}}},
        ImportCase{"Utf8WithAMark", "\xEF\xBB\xBF" "Caf\xC3\xA9?,Ja,Nee,Misschien\n",
                   {{"Caf\xC3\xA9?", "Ja", "Nee", "Misschien"}}},
        ImportCase{"Windows1252", "Caf\xE9?;Ja;Nee;Misschien\r\n", {{"Caf\xC3\xA9?", "Ja", "Nee", "Misschien"}}},
        ImportCase{"Utf16FromASpreadsheet", "\xFF\xFE" "a\0\t\0b\0\t\0c\0\t\0d\0\r\0\n\0"s, {{"a", "b", "c", "d"}}}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.behaviour); });

struct RefusalCase {
  const char* behaviour;
  std::string csv;
  std::size_t row;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.behaviour; }

class QuestionCsvRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(QuestionCsvRefusalTest, RefusesARowWithoutFourTextsAndNamesIt) {
  const auto read = ReadCsvQuestions(GetParam().csv);
  ASSERT_TRUE(std::holds_alternative<CsvRefusal>(read));
  EXPECT_EQ(std::get<CsvRefusal>(read).row, GetParam().row);
  EXPECT_NE(std::get<CsvRefusal>(read).message.find("row " + std::to_string(GetParam().row)), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuestionCsvRefusalTest,
    testing::Values(RefusalCase{"ThreeTexts", "a,b,c,d\ne,f,g\n", 2},
                    RefusalCase{"FiveTexts", "a,b,c,d,e\n", 1},
                    RefusalCase{"AnEmptyText", "a,b,c,d\n\ne,,g,h\n", 3},
                    RefusalCase{"RowAfterAMultiLineField", "a,\"b\nb\",c,d\ne,f\n", 3},
                    RefusalCase{"TextTooLongForTheGame", "a,b,c," + std::string(2048, 'd') + "\n", 1}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.behaviour); });

}  // namespace
