// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionFileCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/game/TempFolder.h"

namespace {

using namespace std::string_literals;

// A bank whose two questions the game shows whole; the cases below change
// one thing in it.
const std::string kGood =
    "; a comment\n"
    "[Overzicht]\n"
    "Aantal=2\n"
    "\n"
    "[1]\n"
    "Vraag=How many legs does a spider have?\n"
    "Juist=Eight\n"
    "Fouta=Six\n"
    "Foutb=Ten\n"
    "\n"
    "[2]\n"
    "Vraag=Which gas do plants take in from the air?\n"
    "Juist=Carbon dioxide\n"
    "Fouta=Helium\n"
    "Foutb=Neon\n";

std::string Replaced(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::invalid_argument("no " + from + " in the bank");
  return text.substr(0, at) + to + text.substr(at + from.size());
}

std::string WithCrLf(const std::string& text) {
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

// A finding expected on a line, told by words its message must hold.
struct Expected {
  std::size_t line;
  std::string words;
};

struct CheckCase {
  const char* behaviour;
  std::string file;
  std::vector<Expected> findings;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.behaviour; }

class QuestionFileCheckTest : public testing::TestWithParam<CheckCase> {
 protected:
  TempFolder folder_;
};

TEST_P(QuestionFileCheckTest, ReportsWhatTheGameReadsOtherwiseThanMeant) {
  const CheckCase& c = GetParam();
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(folder_.Write("vragen.ini", c.file));
  ASSERT_TRUE(check);
  std::ostringstream report;
  PrintQuestionFileCheck(*check, report);
  ASSERT_EQ(check->findings.size(), c.findings.size()) << report.str();
  for (std::size_t i = 0; i < c.findings.size(); ++i) {
    EXPECT_EQ(check->findings[i].line, c.findings[i].line) << report.str();
    EXPECT_NE(check->findings[i].message.find(c.findings[i].words), std::string::npos) << report.str();
  }
  EXPECT_EQ(check->AllWhole(), c.findings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ReadAsMeant, QuestionFileCheckTest,
    testing::Values(
        CheckCase{"WellFormedBank", kGood, {}},
        CheckCase{"CommentAfterAHeader", Replaced(kGood, "[2]", "[2] ; topic"), {}},
        CheckCase{"NamesInAnyCase", Replaced(Replaced(kGood, "[Overzicht]", "[OVERZICHT]"), "Vraag", "VRAAG"), {}},
        CheckCase{"CrLfLineEnds", WithCrLf(kGood), {}},
        CheckCase{"DoubleAmpersandShowsOne", Replaced(kGood, "=Carbon dioxide", "=Salt && pepper"), {}},
        CheckCase{"CodePageFileReadsWell", Replaced(kGood, "Neon", "Ne\xF3n"), {}},
        CheckCase{"HexadecimalCount", Replaced(kGood, "Aantal=2", "Aantal=$02"), {}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.behaviour); });

INSTANTIATE_TEST_SUITE_P(
    Lines, QuestionFileCheckTest,
    testing::Values(
        CheckCase{"HeaderWithoutBracket", Replaced(kGood, "[2]", "[2"),
                  {{3, "question 2 is missing"}, {11, "no \"]\""}, {12, "appears a second time in [1]"},
                   {13, "appears a second time"}, {14, "appears a second time"}, {15, "appears a second time"}}},
        CheckCase{"StrayLine", Replaced(kGood, "Fouta=Six", "Fouta Six"),
                  {{5, "question 1 has no Fouta"}, {8, "cannot read this line"}}},
        CheckCase{"FormFeedBeforeAHeader", Replaced(kGood, "[2]", "\f[2]"),
                  {{3, "question 2 is missing"}, {11, "form feed"}, {11, "cannot read this line"},
                   {12, "second time"}, {13, "second time"}, {14, "second time"}, {15, "second time"}}},
        CheckCase{"VerticalTabBeforeAKey", Replaced(kGood, "Vraag=How", "\vVraag=How"),
                  {{5, "question 1 has no Vraag"}, {6, "vertical tab"}, {6, "ignores \"<0B>Vraag\""}}},
        CheckCase{"NulInAValue", Replaced(kGood, "=Six", "=S"s + '\0' + "ix"s),
                  {{8, "NUL byte, which ends the name or text it stands in: the game reads \"Fouta\" as \"S\""}}},
        CheckCase{"EntryBeforeAnySection", std::string("Vraag=lost\n").append(kGood), {{1, "before the first section"}}},
        CheckCase{"UnknownKey", Replaced(kGood, "Foutb=Ten", "Foutb=Ten\nFout2=Nine"), {{10, "ignores \"Fout2\""}}},
        CheckCase{"RepeatedSection", kGood + "[1]\nVraag=Again?\n", {{16, "appears a second time (first on line 5)"}}},
        CheckCase{"RepeatedKey", Replaced(kGood, "Juist=Eight", "Juist=Eight\nJuist=Nine"),
                  {{8, "Juist appears a second time in [1] (first on line 7)"}}},
        CheckCase{"SectionsThatDifferInOtherLetters", kGood + "[\xC3\x9C]\nk=1\n[\xC3\xBC]\nk=2\n",
                  {{16, "never reads section [\xC3\x9C]"}, {18, "never reads section [\xC3\xBC]"}}},
        CheckCase{"NameEndsAtTheLastBracket", Replaced(kGood, "[2]", "[2] ; see [1]"),
                  {{3, "question 2 is missing"}, {11, "as \"2] ; see [1\""}}},
        CheckCase{"PaddedNumber", Replaced(kGood, "[2]", "[02]"),
                  {{3, "question 2 is missing"}, {11, "plain numbers"}}},
        CheckCase{"ValueCutAtTheReadersLimit", Replaced(kGood, "=How many", std::string("=").append(3000, 'x')),
                  {{6, "longer than the 2047 bytes"}, {6, "has 2047 characters"}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.behaviour); });

INSTANTIATE_TEST_SUITE_P(
    Questions, QuestionFileCheckTest,
    testing::Values(
        CheckCase{"MissingText", Replaced(kGood, "Foutb=Neon\n", ""), {{11, "question 2 has no Foutb"}}},
        CheckCase{"EmptyText", Replaced(kGood, "Juist=Eight", "Juist=\"\""), {{7, "Juist of question 1 is empty"}}},
        CheckCase{"SameAnswerTwice", Replaced(kGood, "Foutb=Ten", "Foutb= SIX "),
                  {{9, "Foutb of question 1 is the same answer as Fouta"}}},
        CheckCase{"SingleAmpersand", Replaced(kGood, "=Carbon dioxide", "=Salt & pepper"),
                  {{13, "single \"&\" before \" \""}}},
        // "&&" mends the button only: the box after a wrong answer shows the
        // right answer as written.
        CheckCase{"AmpersandInTheRightAnswer", Replaced(kGood, "=Eight", "=Eight &"),
                  {{7, "write \"&&\" to show \"&\" on the button (the box after a wrong answer shows it as "
                        "written, \"&&\")"}}},
        CheckCase{"AmpersandAtTheEnd", Replaced(kGood, "=Neon", "=Neon &"), {{15, "ends in a single \"&\""}}},
        CheckCase{"OddRunOfAmpersandsAtTheEnd", Replaced(kGood, "=Neon", "=Neon&&&"), {{15, "ends in a single \"&\""}}},
        CheckCase{"QuestionTooLongForTheWindow", Replaced(kGood, "How many", std::string(230, 'w') + " How many"),
                  {{6, "has 264 characters; the window shows about 250"}}},
        CheckCase{"AnswerTooLongForTheWindow", Replaced(kGood, "=Helium", std::string("=").append(41, 'h')),
                  {{14, "has 41 characters; the window shows about 40"}}},
        CheckCase{"ControlCharacterInAnAnswer", Replaced(kGood, "=Helium", "=He\x01lium"), {{14, "byte 01"}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.behaviour); });

INSTANTIATE_TEST_SUITE_P(
    Counts, QuestionFileCheckTest,
    testing::Values(
        CheckCase{"CountLargerThanTheSections", Replaced(kGood, "Aantal=2", "Aantal=5"),
                  {{3, "questions 3 to 5 are missing"}}},
        CheckCase{"CountSmallerThanTheSections", Replaced(kGood, "Aantal=2", "Aantal=1"),
                  {{11, "never asked, because Aantal is 1"}}},
        CheckCase{"CountWithAWordAfterIt", Replaced(kGood, "Aantal=2", "Aantal=2 questions"),
                  {{3, "not a number"}, {11, "never asked"}}},
        CheckCase{"CountMissing", Replaced(kGood, "Aantal=2\n", ""), {{2, "has no Aantal"}, {10, "never asked"}}},
        CheckCase{"OverviewMissing", Replaced(kGood, "[Overzicht]\nAantal=2\n", ""),
                  {{0, "no section [Overzicht]"}, {9, "never asked"}}},
        CheckCase{"NegativeCount", Replaced(kGood, "Aantal=2", "Aantal=-2"),
                  {{3, "negative"}}},
        CheckCase{"GapsAreListed", Replaced(kGood, "Aantal=2", "Aantal=9") + "[5]\nVraag=5\nJuist=a\nFouta=b\nFoutb=c\n",
                  {{3, "questions 3 to 4, 6 to 9 are missing"}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.behaviour); });

struct EncodingCase {
  const char* behaviour;
  std::string file;
  std::string words;
};

void PrintTo(const EncodingCase& c, std::ostream* out) { *out << c.behaviour; }

class QuestionFileEncodingTest : public testing::TestWithParam<EncodingCase> {
 protected:
  TempFolder folder_;
};

TEST_P(QuestionFileEncodingTest, SaysWhichEncodingTheGameReads) {
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(folder_.Write("vragen.ini", GetParam().file));
  ASSERT_TRUE(check);
  EXPECT_EQ(check->encoding, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, QuestionFileEncodingTest,
    testing::Values(
        EncodingCase{"Utf8", kGood, "UTF-8"},
        EncodingCase{"CodePage", Replaced(kGood, "Neon", "Ne\xF3n"),
                     "Windows-1252, since the file is not UTF-8 (line 15 is the first with a byte that UTF-8 does "
                     "not allow)"},
        EncodingCase{"MarkedUtf8WithAStrayByte", std::string("\xEF\xBB\xBF").append(Replaced(kGood, "Six", "S\xEFx")),
                     "UTF-8 (with a byte-order mark); 1 byte that is not UTF-8 is read as Windows-1252, the first on "
                     "line 8"},
        EncodingCase{"Utf16", "\xFF\xFE[\0s\0]\0"s, "UTF-16 little-endian (Windows \"Unicode\")"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.behaviour); });

TEST(QuestionFileCheckTest, ShowsEveryQuestionAsTheGameShowsIt) {
  TempFolder folder;
  const auto file = folder.Write("vragen.ini", Replaced(kGood, "=Carbon dioxide", "=Salt && pepper"));
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  ASSERT_TRUE(check);
  std::ostringstream report;
  PrintQuestionFileCheck(*check, report);
  // The button shows "&&" as "&"; the box after a wrong answer shows the
  // text as written.
  EXPECT_NE(report.str().find("Question 2\n  Vraag: \"Which gas do plants take in from the air?\"\n"
                              "  Juist: \"Salt & pepper\"\n"
                              "         after a wrong answer the game's box shows it as written:\n"
                              "         \"The correct answer was: Salt && pepper\"\n"
                              "  Fouta: \"Helium\"\n  Foutb: \"Neon\"\n"),
            std::string::npos)
      << report.str();
  const std::size_t boxLine = report.str().find("after a wrong answer");
  EXPECT_EQ(report.str().find("after a wrong answer", boxLine + 1), std::string::npos)
      << "only an answer whose button differs from its text gets the box's line";
  EXPECT_NE(report.str().find("All fine"), std::string::npos);
}

TEST(QuestionFileCheckTest, ShowsALongTextWholeWrappedAtBlanks) {
  TempFolder folder;
  std::string question;
  for (int word = 1; word <= 40; ++word) question += "word" + std::to_string(word) + " ";
  question += "end?";
  const auto file = folder.Write("vragen.ini", Replaced(kGood, "How many legs does a spider have?", question));
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  ASSERT_TRUE(check);
  std::ostringstream report;
  PrintQuestionFileCheck(*check, report);
  const std::string shown = report.str().substr(report.str().find("  Vraag: "));
  const std::string text = shown.substr(0, shown.find("\n  Juist:"));
  EXPECT_EQ(text.find("..."), std::string::npos) << text;
  std::string unwrapped;
  std::istringstream lines(text);
  std::size_t longest = 0;
  for (std::string line; std::getline(lines, line);) {
    longest = std::max(longest, line.size());
    if (!unwrapped.empty()) unwrapped += ' ';
    unwrapped.append(line, std::min(line.find_first_not_of(' '), line.size()));
  }
  EXPECT_EQ(unwrapped, "Vraag: \"" + question + "\"");
  EXPECT_LE(longest, 80u) << text;
}

TEST(QuestionFileCheckTest, UnreadableFileHasNoCheckAndAReason) {
  TempFolder folder;
  EXPECT_FALSE(CheckQuestionFile(folder.Path() / "missing.ini"));
  EXPECT_EQ(WhyUnreadable(folder.Path() / "missing.ini"), "there is no file " + (folder.Path() / "missing.ini").string());
  EXPECT_FALSE(CheckQuestionFile(folder.Path()));
  EXPECT_EQ(WhyUnreadable(folder.Path()), folder.Path().string() + " is a folder, not a file");
}

}  // namespace
