// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the tool is asked to do, told from its arguments and from how it was
// started.
struct QuestionsCommand {
  enum class Kind { Help, Usage, Check, Import };

  Kind kind = Kind::Usage;
  // Check: the file, or none for the vragen.ini beside the installed game.
  // Import: the spreadsheet.
  std::optional<std::filesystem::path> file;
  // Import: where the question file goes; none for the standard output.
  std::optional<std::filesystem::path> output;
  // Import: an existing output file is replaced only when the user says so.
  bool askBeforeReplacing = false;
  // The console window is the tool's own and closes when it ends: it waits
  // for a key first, so that its words can be read.
  bool waitForKey = false;

  bool operator==(const QuestionsCommand&) const = default;
};

// The command for `arguments` (without the program's name). One argument
// that is no command word is a file dropped on the tool's icon: a .csv is
// imported to vragen.ini beside it, anything else is checked. No arguments
// in a console of its own (the icon double-clicked) checks the vragen.ini
// beside the installed game. `ownsConsole` tells whether the console window
// is the tool's own rather than one it was started from.
[[nodiscard]] QuestionsCommand ParseQuestionsCommandLine(const std::vector<std::string>& arguments, bool ownsConsole);
