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

// One row of a spreadsheet's text, as SplitCsvRows cuts it.
struct CsvRow {
  std::size_t number = 0;           // the line it starts on, from 1
  std::vector<std::string> fields;  // without the blanks around them
  bool hadLineBreak = false;        // inside a quoted field, now a space
};

// Splits decoded text into rows of fields at `separator` and line ends; a
// field in "..." may hold separators, line breaks and "" for a quote, as
// spreadsheets write them.
[[nodiscard]] std::vector<CsvRow> SplitCsvRows(std::string_view text, char separator);

// A row that names the columns rather than holding a question: its first
// field is "Vraag" or "Question".
[[nodiscard]] bool IsHeaderRow(const CsvRow& row);

// Reads a spreadsheet saved as CSV, as the bytes of the file: UTF-8 with or
// without its byte-order mark, Windows-1252, or UTF-16 with its mark; the
// separator is a comma, a semicolon or a tab, whichever the first row uses
// most outside quotes; fields may be quoted with "..." and hold "" for one
// quote. A first row that begins with "Vraag" or "Question" is a header.
// Empty rows are skipped, and so are empty fields after the fourth. A line
// break inside a quoted field becomes a space, since a question file keeps
// every text on one line.
[[nodiscard]] std::variant<CsvQuestions, CsvRefusal> ReadCsvQuestions(std::string_view bytes);

// The values that show as the given texts on the game's buttons and labels:
// each "&" doubled, since a single one marks an access letter. Used for
// every text that comes from a spreadsheet, which holds texts as shown.
[[nodiscard]] QuizQuestion ValuesShowing(const QuizQuestion& texts);

// One question's section of a question file: a blank line, [number], then
// Vraag, Juist, Fouta and Foutb, with CRLF line ends. Each value is written
// so that the reader gives it back exactly, as far as a line can hold it: a
// value with blanks at an end or the same quote at both ends is quoted once
// more, a line break becomes a space, and bytes that are not UTF-8 become
// U+FFFD (one such byte would make the reader take the whole file as
// Windows-1252).
[[nodiscard]] std::string QuestionSectionText(std::size_t number, const QuizQuestion& values);

// The values as a question file: a comment line (naming `source` when
// given), [Overzicht] with Aantal, and one numbered section each from 1, in
// UTF-8 without a byte-order mark and with CRLF line ends.
[[nodiscard]] std::string QuestionFileText(const std::vector<QuizQuestion>& values, std::string_view source);
