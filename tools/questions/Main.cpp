// SPDX-License-Identifier: MIT
// tolvanix-plimbora-questions: checks a question file the way the game
// reads it, and makes one from a spreadsheet.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "tools/questions/QuestionCsvImport.h"
#include "tools/questions/QuestionFileCheck.h"

namespace {

constexpr int kFine = 0;
constexpr int kProblems = 1;
constexpr int kCannotRead = 2;

constexpr const char* kUsage = R"(Usage:
  tolvanix-plimbora-questions check FILE
  tolvanix-plimbora-questions import FILE.csv [-o FILE]
  tolvanix-plimbora-questions --help

check FILE
  Reads a question file (vragen.ini) exactly as the game reads it and shows
  the encoding it was read in, every question the game can draw as it will
  show it, and, with its line number, every line the game will not read or
  will read otherwise than you probably meant: lines it skips, unknown keys,
  repeated sections and keys, missing or empty texts, two answers that are
  the same, an Aantal that is not a number or does not match the questions,
  texts too long for the window, a single "&", invisible characters.
  Exit status: 0 when the game shows every question whole, 1 when there is
  something to mend, 2 when the file cannot be read.

import FILE.csv [-o FILE]
  Makes a question file from a spreadsheet saved as CSV: one question per
  row, with the question, the correct answer and two wrong answers in the
  first four columns. A first row that starts with "Vraag" or "Question" is
  taken as a header. Separators (comma, semicolon or tab) and encodings
  (UTF-8, Windows-1252, UTF-16) are recognised. Writes to FILE, or to the
  standard output. Exit status: 0 when written, 1 when a row does not have
  four texts (nothing is written then), 2 when a file cannot be read or
  written.
)";

int Usage(std::ostream& out, int status) {
  out << kUsage;
  return status;
}

int Check(const std::filesystem::path& file) {
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  if (!check) {
    std::cerr << "tolvanix-plimbora-questions: " << WhyUnreadable(file) << "\n";
    return kCannotRead;
  }
  std::cout << "File: " << file.string() << "\n";
  PrintQuestionFileCheck(*check, std::cout);
  return check->AllWhole() ? kFine : kProblems;
}

int Import(const std::filesystem::path& csv, const std::optional<std::filesystem::path>& output) {
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
  const std::string text = QuestionFileText(questions.questions, csv.filename().string());
  if (!output) {
#ifdef _WIN32
    // The text ends its lines in CR LF already; the standard output in its
    // text mode would put a second CR before each LF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    std::cout << text;
    return std::cout.flush() ? kFine : kCannotRead;
  }
  std::ofstream out(*output, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "tolvanix-plimbora-questions: cannot write " << output->string() << "\n";
    return kCannotRead;
  }
  std::cerr << output->string() << ": " << questions.questions.size() << " questions written\n";
  return kFine;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return Usage(std::cout, kFine);
  if (args.size() == 2 && args[0] == "check") return Check(args[1]);
  if (args.size() == 2 && args[0] == "import") return Import(args[1], std::nullopt);
  if (args.size() == 4 && args[0] == "import" && args[2] == "-o") return Import(args[1], args[3]);
  return Usage(std::cerr, kCannotRead);
}
