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
  int Run(const std::string& arguments) const {
    std::string command = Word(TP_QUESTIONS_COMMAND) + " " + arguments + " >" + Word(folder_.Path() / "out") +
                          " 2>" + Word(folder_.Path() / "err");
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

TEST_F(QuestionsCommandTest, HelpOnRequestUsageOnAMistake) {
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(Output("out").find("check FILE"), std::string::npos);
  EXPECT_EQ(Run("chek file.ini"), 2);
  EXPECT_NE(Output("err").find("Usage:"), std::string::npos);
}

}  // namespace
