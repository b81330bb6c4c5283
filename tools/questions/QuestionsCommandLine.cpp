// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionsCommandLine.h"

#include "base/Text.h"

namespace {

QuestionsCommand Command(QuestionsCommand::Kind kind, bool ownsConsole) {
  QuestionsCommand command;
  command.kind = kind;
  command.waitForKey = ownsConsole;
  return command;
}

}  // namespace

QuestionsCommand ParseQuestionsCommandLine(const std::vector<std::string>& arguments, bool ownsConsole) {
  using Kind = QuestionsCommand::Kind;
  QuestionsCommand command = Command(Kind::Usage, ownsConsole);
  const std::size_t count = arguments.size();
  const std::string first = count > 0 ? arguments[0] : std::string();
  if (count == 0 && ownsConsole) {
    command.kind = Kind::Check;
  } else if (count == 1 && (first == "--help" || first == "-h")) {
    command.kind = Kind::Help;
  } else if (first == "check" && count <= 2) {
    command.kind = Kind::Check;
    if (count == 2) command.file = arguments[1];
  } else if (first == "import" && (count == 2 || (count == 4 && arguments[2] == "-o"))) {
    command.kind = Kind::Import;
    command.file = arguments[1];
    if (count == 4) command.output = arguments[3];
  } else if (count == 1 && first != "check" && first != "import" && !first.starts_with('-')) {
    const std::filesystem::path dropped(first);
    if (EqualsIgnoringAsciiCase(dropped.extension().string(), ".csv")) {
      command.kind = Kind::Import;
      command.output = dropped.parent_path() / "vragen.ini";
      command.askBeforeReplacing = true;
    } else {
      command.kind = Kind::Check;
    }
    command.file = dropped;
  }
  return command;
}
