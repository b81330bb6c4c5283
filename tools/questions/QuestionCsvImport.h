// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/QuestionBank.h"

// A spreadsheet's rows read as questions: one question per row, its text,
// the correct answer and the two wrong answers in the first four columns.
struct CsvQuestions {
  std::vector<QuizQuestion> questions;
  // Things changed on the way, for the author: "row 4: ...".
  std::vector<std::string> notes;
};

// Why the rows cannot become a question file.
struct CsvRefusal {
  std::size_t row = 0;  // counted in the file, from 1
  std::string message;
};

// Reads a spreadsheet saved as CSV, as the bytes of the file: UTF-8 with or
// without its byte-order mark, Windows-1252, or UTF-16 with its mark; the
// separator is a comma, a semicolon or a tab, whichever the first row uses
// most outside quotes; fields may be quoted with "..." and hold "" for one
// quote. A first row that begins with "Vraag" or "Question" is a header.
// Empty rows are skipped, and so are empty fields after the fourth. A line
// break inside a quoted field becomes a space, since a question file keeps
// every text on one line.
[[nodiscard]] std::variant<CsvQuestions, CsvRefusal> ReadCsvQuestions(std::string_view bytes);

// The questions as a question file: [Overzicht] with Aantal and one
// numbered section each, in UTF-8 with CRLF line ends. Texts are written so
// that the game shows them exactly as given: "&" is doubled, and a text
// that starts and ends with the same quote is quoted once more.
[[nodiscard]] std::string QuestionFileText(const std::vector<QuizQuestion>& questions, std::string_view source);
