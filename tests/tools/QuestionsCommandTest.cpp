// SPDX-License-Identifier: MIT
// The command as an author runs it: its exit status and where its words go.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/game/TempFolder.h"

namespace {

// A path as one word of the command line that std::system hands to the
// system's shell: sh on POSIX, cmd.exe on Windows, which knows only double
// quotes and the system's own separators.
std::string Word(const std::filesystem::path& path) {
#ifdef _WIN32
  const char quote = '"';
  const std::string text = std::filesystem::path(path).make_preferred().string();
#else
  const char quote = '\'';
  const std::string text = path.string();
#endif
  std::string word(1, quote);
  word += text;
  word += quote;
  return word;
}

// The command's exit status from what std::system returns: a wait status on
// POSIX, the status itself on Windows.
int ExitStatus(int returned) {
#ifdef _WIN32
  return returned;
#else
  return WIFEXITED(returned) ? WEXITSTATUS(returned) : -1;
#endif
}

class QuestionsCommandTest : public testing::Test {
 protected:
  // Runs the command with `arguments`; its exit status, with standard output
  // and error kept in files of the folder.
  // `input`, when given, names the file in the folder that is its standard
  // input; `program` replaces the built command.
  int Run(const std::string& arguments, const std::string& input = {},
          const std::filesystem::path& program = TP_QUESTIONS_COMMAND) const {
    std::string command = Word(program) + " " + arguments + " >" + Word(folder_.Path() / "out") + " 2>" +
                          Word(folder_.Path() / "err");
    if (!input.empty()) command += " <" + Word(folder_.Path() / input);
#ifdef _WIN32
    // cmd.exe takes the first and the last quote off a line that starts
    // with one; these two are there to be taken.
    command.insert(command.begin(), '"');
    command += '"';
#endif
    return ExitStatus(std::system(command.c_str()));
  }
  [[nodiscard]] std::string Output(const char* name) const {
    std::ifstream in(folder_.Path() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  [[nodiscard]] std::string In(const char* name) const { return Word(folder_.Path() / name); }

  TempFolder folder_;
};

TEST_F(QuestionsCommandTest, CheckTellsFineProblemsAndUnreadableApart) {
  folder_.Write("good.ini", "[Overzicht]\nAantal=1\n[1]\nVraag=Q?\nJuist=C\nFouta=A\nFoutb=B\n");
  folder_.Write("bad.ini", "[Overzicht]\nAantal=2\n[1]\nVraag=Q?\nJuist=C\nFouta=A\nFoutb=B\n");
  EXPECT_EQ(Run("check " + In("good.ini")), 0);
  EXPECT_NE(Output("out").find("All fine"), std::string::npos);
  EXPECT_EQ(Run("check " + In("bad.ini")), 1);
  EXPECT_NE(Output("out").find("Line 2: question 2 is missing"), std::string::npos);
  EXPECT_EQ(Run("check " + In("missing.ini")), 2);
  EXPECT_NE(Output("err").find("there is no file"), std::string::npos);
}

TEST_F(QuestionsCommandTest, ImportWritesTheFileOrNamesTheRowItRefuses) {
  folder_.Write("good.csv", "Vraag;Juist;Fouta;Foutb\nQ?;C;A;B\n");
  folder_.Write("bad.csv", "Q?;C;A;B\nQ2?;C\n");
  EXPECT_EQ(Run("import " + In("good.csv") + " -o " + In("vragen.ini")), 0);
  EXPECT_EQ(Run("check " + In("vragen.ini")), 0);
  EXPECT_EQ(Run("import " + In("good.csv")), 0);
  EXPECT_EQ(Output("out"), Output("vragen.ini"));
  EXPECT_EQ(Run("import " + In("bad.csv") + " -o " + In("refused.ini")), 1);
  EXPECT_NE(Output("err").find("row 2 has 2 texts"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "refused.ini"));
}

TEST_F(QuestionsCommandTest, ImportChecksWhatItWroteAndReportsWhatNeedsMending) {
  folder_.Write("alike.csv", "Q?;C;A;A\n");
  EXPECT_EQ(Run("import " + In("alike.csv") + " -o " + In("vragen.ini")), 1);
  EXPECT_NE(Output("err").find("1 question written"), std::string::npos) << Output("err");
  EXPECT_NE(Output("err").find("vragen.ini: Line 9: Foutb of question 1 is the same answer as Fouta"),
            std::string::npos)
      << Output("err");
  EXPECT_EQ(Run("import " + In("alike.csv")), 1);
  EXPECT_EQ(Output("out"), Output("vragen.ini"));
  EXPECT_NE(Output("err").find("output: Line 9: Foutb"), std::string::npos) << Output("err");
}

// A spreadsheet dropped on the tool's icon becomes vragen.ini beside it; one
// that is there already is replaced only on a yes.
TEST_F(QuestionsCommandTest, DroppedSpreadsheetReplacesQuestionsOnlyOnAYes) {
  folder_.Write("toets.csv", "Q?;C;A;B\n");
  folder_.Write("vragen.ini", "; ours\n");
  folder_.Write("no", "");
  folder_.Write("yes", "y\n");
  EXPECT_EQ(Run(In("toets.csv"), "no"), 1);
  EXPECT_EQ(Output("vragen.ini"), "; ours\n");
  EXPECT_NE(Output("out").find("stays as it was"), std::string::npos) << Output("out");
  EXPECT_EQ(Run(In("toets.csv"), "yes"), 0);
  EXPECT_NE(Output("vragen.ini").find("Vraag=Q?"), std::string::npos);
  std::filesystem::remove(folder_.Path() / "vragen.ini");
  EXPECT_EQ(Run(In("toets.csv"), "no"), 0) << "with no vragen.ini there, nothing is asked";
  EXPECT_NE(Output("vragen.ini").find("Vraag=Q?"), std::string::npos);
}

// Without a file, check looks beside itself, where it is installed beside
// the game.
TEST_F(QuestionsCommandTest, CheckWithoutAFileChecksTheQuestionsBesideIt) {
  const std::filesystem::path tool = folder_.Path() / std::filesystem::path(TP_QUESTIONS_COMMAND).filename();
  std::filesystem::copy_file(TP_QUESTIONS_COMMAND, tool);
  folder_.Write("vragen.ini.txt", "[Overzicht]\nAantal=1\n");
  EXPECT_EQ(Run("check", {}, tool), 2);
  EXPECT_NE(Output("err").find("there is vragen.ini.txt instead"), std::string::npos) << Output("err");
  std::filesystem::copy_file(TP_SAMPLE_QUESTION_BANK, folder_.Path() / "vragen.ini");
  EXPECT_EQ(Run("check", {}, tool), 0);
  EXPECT_NE(Output("out").find("All fine"), std::string::npos);
  EXPECT_NE(Output("out").find("Note: beside vragen.ini lies vragen.ini.txt"), std::string::npos) << Output("out");
}

TEST_F(QuestionsCommandTest, HelpOnRequestUsageOnAMistake) {
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(Output("out").find("check [FILE]"), std::string::npos);
  EXPECT_EQ(Run("chek file.ini"), 2);
  EXPECT_NE(Output("err").find("Usage:"), std::string::npos);
}

}  // namespace
