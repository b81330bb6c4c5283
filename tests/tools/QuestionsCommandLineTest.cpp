// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionsCommandLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Kind = QuestionsCommand::Kind;

struct CommandLineCase {
  const char* behaviour;
  std::vector<std::string> arguments;
  bool ownsConsole;
  QuestionsCommand expected;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.behaviour; }

QuestionsCommand Expect(Kind kind, const char* file, const char* output, bool ask, bool wait) {
  QuestionsCommand command;
  command.kind = kind;
  if (file != nullptr) command.file = file;
  if (output != nullptr) command.output = output;
  command.askBeforeReplacing = ask;
  command.waitForKey = wait;
  return command;
}

class QuestionsCommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(QuestionsCommandLineTest, TellsWhatToDoAndWhetherToWaitForAKey) {
  const CommandLineCase& c = GetParam();
  const QuestionsCommand command = ParseQuestionsCommandLine(c.arguments, c.ownsConsole);
  EXPECT_EQ(command.kind, c.expected.kind);
  EXPECT_EQ(command.file, c.expected.file);
  EXPECT_EQ(command.output, c.expected.output);
  EXPECT_EQ(command.askBeforeReplacing, c.expected.askBeforeReplacing);
  EXPECT_EQ(command.waitForKey, c.expected.waitForKey);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuestionsCommandLineTest,
    testing::Values(
        CommandLineCase{"CheckAFile", {"check", "q.ini"}, false, Expect(Kind::Check, "q.ini", nullptr, false, false)},
        CommandLineCase{"CheckBesideTheGame", {"check"}, false, Expect(Kind::Check, nullptr, nullptr, false, false)},
        CommandLineCase{"ImportToStandardOutput", {"import", "q.csv"}, false,
                        Expect(Kind::Import, "q.csv", nullptr, false, false)},
        // Named on the command line, the output is the user's choice.
        CommandLineCase{"ImportToAFile", {"import", "q.csv", "-o", "out.ini"}, false,
                        Expect(Kind::Import, "q.csv", "out.ini", false, false)},
        CommandLineCase{"Help", {"--help"}, false, Expect(Kind::Help, nullptr, nullptr, false, false)},
        CommandLineCase{"NothingFromAConsole", {}, false, Expect(Kind::Usage, nullptr, nullptr, false, false)},
        CommandLineCase{"MisspeltCommand", {"chek", "q.ini"}, false, Expect(Kind::Usage, nullptr, nullptr, false, false)},
        CommandLineCase{"CheckWithTwoFiles", {"check", "a.ini", "b.ini"}, false,
                        Expect(Kind::Usage, nullptr, nullptr, false, false)},
        CommandLineCase{"ImportWithoutItsFile", {"import"}, false, Expect(Kind::Usage, nullptr, nullptr, false, false)},
        CommandLineCase{"UnknownOption", {"-x"}, false, Expect(Kind::Usage, nullptr, nullptr, false, false)}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.behaviour); });

// Explorer starts the tool with the dropped file's path and a console
// window of the tool's own, which closes as soon as the tool ends.
INSTANTIATE_TEST_SUITE_P(
    DroppedOnTheIcon, QuestionsCommandLineTest,
    testing::Values(
        CommandLineCase{"QuestionFileIsChecked", {"C:\\Lessen\\vragen.ini"}, true,
                        Expect(Kind::Check, "C:\\Lessen\\vragen.ini", nullptr, false, true)},
        CommandLineCase{"NearMissIsCheckedToo", {"C:\\Lessen\\vragen.ini.txt"}, true,
                        Expect(Kind::Check, "C:\\Lessen\\vragen.ini.txt", nullptr, false, true)},
        CommandLineCase{"SpreadsheetIsImportedBesideItAskingFirst", {"/lessen/Toets.CSV"}, true,
                        Expect(Kind::Import, "/lessen/Toets.CSV", "/lessen/vragen.ini", true, true)},
        CommandLineCase{"DoubleClickChecksTheGamesQuestions", {}, true,
                        Expect(Kind::Check, nullptr, nullptr, false, true)},
        CommandLineCase{"MistakeInItsOwnWindowWaitsToBeRead", {"chek", "q.ini"}, true,
                        Expect(Kind::Usage, nullptr, nullptr, false, true)},
        // Typed in a console that stays open: the same work, no waiting.
        CommandLineCase{"FileNamedInAConsoleDoesNotWait", {"vragen.ini"}, false,
                        Expect(Kind::Check, "vragen.ini", nullptr, false, false)},
        CommandLineCase{"SpreadsheetNamedInAConsoleDoesNotWait", {"toets.csv"}, false,
                        Expect(Kind::Import, "toets.csv", "vragen.ini", true, false)}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.behaviour); });

}  // namespace
