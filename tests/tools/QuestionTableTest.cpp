// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "game/QuestionBank.h"
#include "tests/game/TempFolder.h"
#include "tools/questions/QuestionFileCheck.h"

namespace {

using namespace std::string_literals;

const QuizQuestion kSpider{"How many legs does a spider have?", "Eight", "Six", "Ten"};
const QuizQuestion kGas{"Which gas do plants take in?", "Carbon dioxide", "Helium", "Neon"};
const QuizQuestion kNoAnswer{"What is the capital of Peru?", "", "Quito", "Bogota"};

class QuestionTableTest : public testing::Test {
 protected:
  // What `check` finds in the file the table saves.
  std::vector<QuestionFinding> SavedFindings() const {
    const std::optional<QuestionFileCheck> check = CheckQuestionFile(folder_.Write("vragen.ini", table_.FileText()));
    return check ? check->findings : std::vector<QuestionFinding>{{0, "unreadable"}};
  }

  // The table's findings on the lines of the saved file, in its order.
  std::vector<QuestionFinding> TableFindings() const {
    std::map<std::string, std::size_t> lineOf;
    const std::string text = table_.FileText();
    std::size_t line = 1;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lineOf.emplace(text.substr(start, end - start), line++);
    }
    std::vector<QuestionFinding> all = table_.FileFindings();
    for (std::size_t row = 0; row < table_.RowCount(); ++row) {
      const std::size_t header = lineOf.at("[" + std::to_string(row + 1) + "]");
      for (const RowFinding& finding : table_.Findings(row)) {
        all.push_back({finding.column == RowFinding::kWholeRow ? header : header + 1 + finding.column,
                       finding.message});
      }
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.line < b.line; });
    return all;
  }

  TempFolder folder_;
  QuestionTable table_{folder_.Path() / "scratch.ini"};
};

struct TableCase {
  const char* behaviour;
  std::vector<QuizQuestion> rows;
  bool readBackAsHeld = true;  // false where no line of a file can hold a value
};

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.behaviour; }

class SavedTableTest : public QuestionTableTest, public testing::WithParamInterface<TableCase> {};

// A few rows are checked each as a tiny file, many in one check of the
// saved file; either way the rows must say exactly what `check` says about
// the saved file, line for line. And the game's reader gives back what the
// table holds, also where it would trim, unquote or mark a text.
TEST_P(SavedTableTest, GameReadsTheRowsBackAndCheckAgreesWithTheirFindings) {
  table_.Replace(GetParam().rows);
  EXPECT_EQ(TableFindings(), SavedFindings());
  const QuestionBank bank(folder_.Path() / "vragen.ini");
  ASSERT_EQ(bank.Count(), static_cast<std::int32_t>(table_.RowCount()));
  for (std::size_t row = 0; row < table_.RowCount() && GetParam().readBackAsHeld; ++row) {
    EXPECT_EQ(bank.ReadQuestion(static_cast<std::int32_t>(row + 1)), table_.Row(row)) << "row " << row;
  }
  table_.InsertRows(0, std::vector<QuizQuestion>(9, kGas));
  EXPECT_EQ(TableFindings(), SavedFindings());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SavedTableTest,
    testing::Values(
        TableCase{"GoodRows", {kSpider, kGas}},
        TableCase{"NoRows", {}},
        TableCase{"EmptyTexts", {kSpider, kNoAnswer, {"", "a", "b", ""}}},
        TableCase{"SameAnswers", {{"How many legs?", "Eight", "eight", "Eight"}, kGas}},
        TableCase{"Ampersands", {kGas, {"Salt & pepper?", "Rock && roll", "Ends in &", "&Hidden"}}},
        TableCase{"TooLongToShow", {{std::string(251, 'x'), std::string(41, 'y'), "b", "c"}}},
        TableCase{"Quotes", {{"\"Hamlet\"", "'quoted'", "\"", "'half\""}}},
        TableCase{"BlanksAtTheEnds", {{"  leading", "trailing \t", " \"quoted in blanks\" ", "  "}}},
        TableCase{"NonAscii", {{"Caf\xC3\xA9?", "\xE2\x98\x95", "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x8E\xB2"}}},
        TableCase{"ControlCharacters", {{"Bell\a", "Ctrl\x1AZ", "Nul\0byte"s, "tab\tinside"}}, false},
        TableCase{"TooLongToRead", {kSpider, {"q", std::string(3000, 'y'), "b", "c"}}, false},
        TableCase{"TextsNoLineHolds", {{"line\r\nbreak", "stray \xE9 byte", "cut \xC3", "c"}, kSpider}, false}),
    [](const testing::TestParamInfo<TableCase>& info) { return std::string(info.param.behaviour); });

// The messages name the question by its number in the saved file, so every
// row whose number changes must be checked again.
TEST_F(QuestionTableTest, FindingsFollowTheirRowWhenRowsAreInsertedRemovedAndMoved) {
  const auto expectFlaggedAt = [this](std::size_t at) {
    for (std::size_t row = 0; row < table_.RowCount(); ++row) {
      const std::vector<RowFinding> expected =
          row == at ? std::vector<RowFinding>{{1, "Juist of question " + std::to_string(at + 1) + " is empty"}}
                    : std::vector<RowFinding>{};
      EXPECT_EQ(table_.Findings(row), expected) << "row " << row;
    }
    EXPECT_EQ(table_.Row(at), kNoAnswer);
    EXPECT_EQ(TableFindings(), SavedFindings());
  };
  table_.Replace({kSpider, kNoAnswer, kGas});
  expectFlaggedAt(1);
  table_.InsertRows(0, {kGas, kSpider});
  expectFlaggedAt(3);
  table_.MoveRow(3, 0);
  expectFlaggedAt(0);
  table_.MoveRow(0, 4);
  expectFlaggedAt(4);
  table_.RemoveRow(0);
  expectFlaggedAt(3);
  EXPECT_EQ(table_.FindingCount(), 1U);

  table_.SetText(3, 1, "Lima");
  EXPECT_EQ(table_.FindingCount(), 0U);
  table_.SetText(0, 1, "");
  EXPECT_EQ(table_.Findings(0), (std::vector<RowFinding>{{1, "Juist of question 1 is empty"}}));
  EXPECT_THROW(table_.SetText(4, 0, "x"), std::out_of_range);
  EXPECT_THROW(table_.MoveRow(0, 4), std::out_of_range);
}

// Saving an opened file without a change keeps every text the game reads,
// in every encoding and oddity of the reader's corpus.
TEST_F(QuestionTableTest, SavingAnOpenedFileUntouchedKeepsItsTexts) {
  std::vector<std::filesystem::path> files = {TP_SAMPLE_QUESTION_BANK};
  for (const auto& entry : std::filesystem::directory_iterator(TP_QUESTION_CORPUS)) files.push_back(entry.path());
  for (const std::filesystem::path& file : files) {
    const auto opened = OpenQuestions(file);
    ASSERT_TRUE(std::holds_alternative<OpenedQuestions>(opened)) << file;
    const OpenedQuestions& questions = std::get<OpenedQuestions>(opened);
    for (const CheckedQuestion& asked : questions.check.questions) {
      EXPECT_NE(std::find(questions.rows.begin(), questions.rows.end(), asked.texts), questions.rows.end())
          << file << ": question " << asked.number;
    }
    table_.Replace(questions.rows);
    const QuestionBank saved(folder_.Write("vragen.ini", table_.FileText()));
    for (std::size_t row = 0; row < table_.RowCount(); ++row) {
      EXPECT_EQ(saved.ReadQuestion(static_cast<std::int32_t>(row + 1)), questions.rows[row]) << file << " row " << row;
    }
  }
}

TEST_F(QuestionTableTest, OpenedFindingsLandOnTheRowWhoseSectionHoldsThem) {
  const auto file = folder_.Write("vragen.ini",
                                  "stray line\n"          // 1: the file
                                  "[Overzicht]\n"         // 2
                                  "Aantal=3\n"            // 3: question 3 missing, the file
                                  "[2]\n"                 // 4
                                  "Vraag=Two\nJuist=a\nFouta=a\nFoutb=c\n"  // 5-8: same answer on 7, row 1
                                  "[1]\n"                 // 9
                                  "vraag=\nJuist=x\nFouta=y\nFoutb=z\n"     // 10-13: empty on 10, row 0
                                  "Extra=1\n"             // 14: ignored key, row 0
                                  "[5]\n"                 // 15: never asked, row 2
                                  "Vraag=Five\nJuist=p\nFouta=q\nFoutb=r\n"  // 16-19
                                  "[1]\n"                 // 20: a second time, row 0
                                  "Vraag=again\n"         // 21
                                  "[Other]\n"             // 22: never read, the file
                                  "Key=1\n");             // 23
  const auto opened = OpenQuestions(file);
  ASSERT_TRUE(std::holds_alternative<OpenedQuestions>(opened));
  const OpenedQuestions& questions = std::get<OpenedQuestions>(opened);
  EXPECT_EQ(questions.rows, (std::vector<QuizQuestion>{{"", "x", "y", "z"}, {"Two", "a", "a", "c"},
                                                       {"Five", "p", "q", "r"}}));
  std::vector<std::pair<std::size_t, std::optional<std::size_t>>> placed;
  for (std::size_t i = 0; i < questions.check.findings.size(); ++i) {
    placed.emplace_back(questions.check.findings[i].line, questions.rowOfFinding.at(i));
  }
  using Placed = std::vector<std::pair<std::size_t, std::optional<std::size_t>>>;
  EXPECT_EQ(placed, (Placed{{1, {}}, {3, {}}, {7, 1}, {10, 0}, {14, 0}, {15, 2}, {20, 0}, {22, {}}}));

  EXPECT_EQ(std::get<std::string>(OpenQuestions(folder_.Path() / "absent.ini")),
            "there is no file " + (folder_.Path() / "absent.ini").string());
}

struct PasteCase {
  const char* behaviour;
  std::string pasted;
  std::vector<QuizQuestion> rows;
};

void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.behaviour; }

class PasteTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, SpreadsheetCellsBecomeRowsOfValues) { EXPECT_EQ(RowsFromCells(GetParam().pasted), GetParam().rows); }

INSTANTIATE_TEST_SUITE_P(
    Pastes, PasteTest,
    testing::Values(
        PasteCase{"RowsOfFourCells", "a\tb\tc\td\r\ne\tf\tg\th\r\n", {{"a", "b", "c", "d"}, {"e", "f", "g", "h"}}},
        PasteCase{"ShortRowsAreFilledAndLongOnesCut", "a\tb\ne\tf\tg\th\ti\n",
                  {{"a", "b", "", ""}, {"e", "f", "g", "h"}}},
        PasteCase{"HeaderAndEmptyRowsAreSkipped", "Vraag\tJuist\tFouta\tFoutb\n\t\t\t\n a \tb\tc\td",
                  {{"a", "b", "c", "d"}}},
        PasteCase{"AmpersandsShowAsTyped", "Salt & pepper?\tR&&B\tc\td", {{"Salt && pepper?", "R&&&&B", "c", "d"}}},
        PasteCase{"QuotedCellsHoldTabsQuotesAndLineBreaks", "\"say \"\"hi\"\"\tnow\"\t\"two\nlines\"\tc\td\n",
                  {{"say \"hi\"\tnow", "two lines", "c", "d"}}}),
    [](const testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.behaviour); });

TEST(RowsFromCsvTest, ImportsTheSpreadsheetsTextsAsValues) {
  const auto read = RowsFromCsv("Salt & pepper?;a;b;c\n");
  ASSERT_TRUE(std::holds_alternative<CsvQuestions>(read));
  EXPECT_EQ(std::get<CsvQuestions>(read).questions, (std::vector<QuizQuestion>{{"Salt && pepper?", "a", "b", "c"}}));
}

// The box after a wrong answer shows the right answer as written, unlike
// its button.
TEST(PreviewTest, ShowsEachTextAsTheGameDoes) {
  const QuestionPreview preview = PreviewOf({"&Which one?", "Rock && roll", "Jazz", "Blues &"});
  EXPECT_EQ(preview.question.AccessIndex, 0U);
  EXPECT_EQ(preview.correct.Text + preview.wrongB.Text, "Rock & rollBlues ");
  EXPECT_NE(preview.correctInTheBox.find("Rock && roll"), std::string::npos) << preview.correctInTheBox;
  EXPECT_TRUE(preview.correctDiffersInTheBox);
  EXPECT_FALSE(PreviewOf(kSpider).correctDiffersInTheBox);
}

}  // namespace
