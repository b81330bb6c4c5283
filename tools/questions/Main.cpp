// SPDX-License-Identifier: MIT
// tolvanix-plimbora-questions: checks a question file the way the game
// reads it, and makes one from a spreadsheet.
#ifdef _WIN32
#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "base/ExecutablePath.h"
#include "tools/questions/QuestionCsvImport.h"
#include "tools/questions/QuestionFileCheck.h"
#include "tools/questions/QuestionFileSearch.h"
#include "tools/questions/QuestionsCommandLine.h"

namespace {

constexpr int kFine = 0;
constexpr int kProblems = 1;
constexpr int kCannotRead = 2;

constexpr const char* kUsage = R"(Usage:
  tolvanix-plimbora-questions check [FILE]
  tolvanix-plimbora-questions import FILE.csv [-o FILE]
  tolvanix-plimbora-questions FILE
  tolvanix-plimbora-questions --help

check [FILE]
  Reads a question file (vragen.ini) exactly as the game reads it and shows
  the encoding it was read in, every question the game can draw as it will
  show it (every text whole, and the right answer as the box after a wrong
  answer shows it where that differs from its button), and, with its line
  number, every line the game will not read or will read otherwise than you
  probably meant: lines it skips, unknown keys, repeated sections and keys,
  missing or empty texts, two answers that are the same, an Aantal that is
  not a number or does not match the questions, texts too long for the
  window, a single "&", invisible characters. Without FILE, checks the
  vragen.ini beside the installed game, and names the files there that look
  meant to be it but that the game does not read, such as vragen.ini.txt.
  Exit status: 0 when the game shows every question whole, 1 when there is
  something to mend, 2 when the file cannot be read.

import FILE.csv [-o FILE]
  Makes a question file from a spreadsheet saved as CSV: one question per
  row, with the question, the correct answer and two wrong answers in the
  first four columns. A first row that starts with "Vraag" or "Question" is
  taken as a header. Separators (comma, semicolon or tab) and encodings
  (UTF-8, Windows-1252, UTF-16) are recognised. Writes to FILE, or to the
  standard output, then checks what it wrote as check does and shows what
  needs mending. Exit status: 0 when written and fine, 1 when a row does not
  have four texts (nothing is written then) or when what was written needs
  mending, 2 when a file cannot be read or written.

FILE
  A file dropped on the tool's icon: a .csv is imported to vragen.ini in its
  folder (asking before replacing one that is there), anything else is
  checked. In a window of its own, the tool waits for a key before it ends.
)";

int Usage(std::ostream& out, int status) {
  out << kUsage;
  return status;
}

int CheckFile(const std::filesystem::path& file) {
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  if (!check) {
    std::cerr << "tolvanix-plimbora-questions: " << WhyUnreadable(file) << "\n";
    return kCannotRead;
  }
  std::cout << "File: " << file.string() << "\n";
  PrintQuestionFileCheck(*check, std::cout);
  return check->AllWhole() ? kFine : kProblems;
}

// The vragen.ini beside the installed game, which is where the tool is
// installed too; a near miss there is the likeliest reason for empty
// questions.
int CheckBesideTheGame() {
  const std::filesystem::path folder = ExecutableDirectory();
  const QuestionFileSearch search = FindQuestionFileIn(folder);
  const std::string advice = NearMissAdvice(search, folder);
  if (!search.file) {
    std::cerr << "tolvanix-plimbora-questions: " << advice << "\n";
    return kCannotRead;
  }
  const int status = CheckFile(*search.file);
  if (!advice.empty()) std::cout << "Note: " << advice << "\n";
  return status;
}

// Asks on the console whether `file` may be replaced; no answer is a no.
bool MayReplace(const std::filesystem::path& file, const std::filesystem::path& csv) {
  std::cout << file.string() << " is there already. Replace it with the questions from " << csv.filename().string()
            << "? Type y and press Enter to replace it: " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::cout << "\n";
    return false;
  }
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

// Checks the written question file as check does and shows only what needs
// mending, each line led by the file's name, so that the author learns of
// it at once.
int CheckWritten(const std::filesystem::path& file, const std::string& shownName) {
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  if (!check) {
    std::cerr << "tolvanix-plimbora-questions: " << WhyUnreadable(file) << "\n";
    return kCannotRead;
  }
  PrintQuestionFindings(*check, std::cerr, shownName);
  return check->AllWhole() ? kFine : kProblems;
}

// The written text checked from a scratch file, for a question file that
// went to the standard output.
int CheckWrittenText(const std::string& text) {
  std::error_code error;
  const std::filesystem::path scratch = std::filesystem::temp_directory_path(error) /
                                        ("tolvanix-plimbora-questions-" + std::to_string(std::random_device()()) + ".ini");
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) {
      std::cerr << "tolvanix-plimbora-questions: cannot write " << scratch.string() << " to check the questions\n";
      return kCannotRead;
    }
  }
  const int status = CheckWritten(scratch, "output");
  std::filesystem::remove(scratch, error);
  return status;
}

int Import(const QuestionsCommand& command) {
  const std::filesystem::path& csv = *command.file;
  std::ifstream in(csv, std::ios::binary);
  if (!in || std::filesystem::is_directory(csv)) {
    std::cerr << "tolvanix-plimbora-questions: " << WhyUnreadable(csv) << "\n";
    return kCannotRead;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const auto read = ReadCsvQuestions(bytes);
  if (const auto* refusal = std::get_if<CsvRefusal>(&read)) {
    std::cerr << csv.string() << ": " << refusal->message << "\n";
    return kProblems;
  }
  const CsvQuestions& questions = std::get<CsvQuestions>(read);
  for (const std::string& note : questions.notes) std::cerr << csv.string() << ": " << note << "\n";
  std::vector<QuizQuestion> values;
  for (const QuizQuestion& texts : questions.questions) values.push_back(ValuesShowing(texts));
  const std::string text = QuestionFileText(values, csv.filename().string());
  if (!command.output) {
#ifdef _WIN32
    // The text ends its lines in CR LF already; the standard output in its
    // text mode would put a second CR before each LF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    std::cout << text;
    if (!std::cout.flush()) return kCannotRead;
    return CheckWrittenText(text);
  }
  const std::filesystem::path& output = *command.output;
  std::error_code error;
  if (command.askBeforeReplacing && std::filesystem::exists(output, error) && !MayReplace(output, csv)) {
    std::cout << "Nothing written: " << output.string() << " stays as it was.\n";
    return kProblems;
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "tolvanix-plimbora-questions: cannot write " << output.string() << "\n";
    return kCannotRead;
  }
  std::cerr << output.string() << ": " << questions.questions.size()
            << (questions.questions.size() == 1 ? " question" : " questions") << " written\n";
  return CheckWritten(output, output.string());
}

// True when the console window is the tool's own: Explorer made it for a
// drop or a double click and closes it when the tool ends. A console the
// tool was started from also lists that shell's process.
bool OwnsConsole() {
#ifdef _WIN32
  DWORD processes[2];
  DWORD mode = 0;
  return ::GetConsoleProcessList(processes, 2) == 1 && ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode);
#else
  return false;
#endif
}

void WaitForKey() {
#ifdef _WIN32
  std::cout << "\nPress any key to close this window." << std::flush;
  ::_getch();
#endif
}

int Run(const QuestionsCommand& command) {
  using Kind = QuestionsCommand::Kind;
  switch (command.kind) {
    case Kind::Help:
      return Usage(std::cout, kFine);
    case Kind::Check:
      return command.file ? CheckFile(*command.file) : CheckBesideTheGame();
    case Kind::Import:
      return Import(command);
    case Kind::Usage:
      break;
  }
  return Usage(std::cerr, kCannotRead);
}

}  // namespace

int main(int argc, char** argv) {
  const QuestionsCommand command =
      ParseQuestionsCommandLine(std::vector<std::string>(argv + 1, argv + argc), OwnsConsole());
  const int status = Run(command);
  if (command.waitForKey) WaitForKey();
  return status;
}
