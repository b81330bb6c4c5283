// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/QuestionBank.h"
#include "tools/questions/QuestionCsvImport.h"
#include "tools/questions/QuestionFileCheck.h"
#include "ui/Caption.h"

// The editor's model of a question file: one row per question, each cell
// holding the text as the file's value, that is as the game's reader returns
// it. So the game's caption rules apply to a cell: "&&" shows one "&", a
// single "&" marks an access letter. Opening a file and saving it untouched
// keeps every text the game reads.

// A finding of the checker about one row of the table.
struct RowFinding {
  // 0 Vraag, 1 Juist, 2 Fouta, 3 Foutb, kWholeRow the row as a whole.
  static constexpr std::size_t kWholeRow = 4;
  std::size_t column = kWholeRow;
  std::string message;  // exactly as `check` words it for the saved file

  bool operator==(const RowFinding&) const = default;
};

// A question file as opened: what `check` finds in it, and its questions as
// rows.
struct OpenedQuestions {
  QuestionFileCheck check;  // exactly as `check` gives it
  // The values of every plainly numbered section, by number: the questions
  // the game asks, and also those it never asks (beyond Aantal), so that
  // saving keeps what the author wrote. A number the file lacks has no row.
  std::vector<QuizQuestion> rows;
  // One per check.findings: the row whose section holds the finding's line,
  // or nothing for a finding about the file as a whole (its overview, lines
  // outside the questions' sections, line 0).
  std::vector<std::optional<std::size_t>> rowOfFinding;
};

// Opens a question file as the game reads it; when it cannot be read, the
// reason in words instead.
[[nodiscard]] std::variant<OpenedQuestions, std::string> OpenQuestions(const std::filesystem::path& file);

// The rows being edited, with each row's findings kept up to date by the
// real checker, so that their messages read exactly as `check` gives them
// for the saved file. A row is checked as a tiny question file holding just
// that row's section, numbered as the row will be in the saved file (the
// findings about that tiny file's overview, such as the questions before it
// missing, are left out); many rows at once are checked as the saved file.
// Rows are numbered from 0 here and from 1 in the file. An index out of
// range throws std::out_of_range.
class QuestionTable final {
 public:
  // `scratchFile` is where each row's tiny file is written to be checked
  // (a file in a temporary folder; on the web, in the in-memory file
  // system). Writing it throws Exception when it cannot be written.
  explicit QuestionTable(std::filesystem::path scratchFile, DisplayLimits limits = {});

  void Replace(std::vector<QuizQuestion> rows);  // rechecks all
  [[nodiscard]] std::size_t RowCount() const { return rows_.size(); }
  [[nodiscard]] const QuizQuestion& Row(std::size_t row) const;
  [[nodiscard]] const std::vector<QuizQuestion>& Rows() const { return rows_; }
  // Column 0 Vraag, 1 Juist, 2 Fouta, 3 Foutb; rechecks that row only.
  void SetText(std::size_t row, std::size_t column, std::string value);
  // Inserts before row `at` (RowCount() appends); rechecks the rows whose
  // number changed.
  void InsertRows(std::size_t at, std::vector<QuizQuestion> rows);
  void RemoveRow(std::size_t row);
  // Takes the row out and puts it back so that it becomes row `to`.
  void MoveRow(std::size_t from, std::size_t to);

  [[nodiscard]] const std::vector<RowFinding>& Findings(std::size_t row) const;
  // The findings about the file as a whole, with the saved file's line
  // numbers; only an empty table has any (the game then always asks
  // question 1, and finds it missing).
  [[nodiscard]] const std::vector<QuestionFinding>& FileFindings() const { return fileFindings_; }
  // The number of findings in all, for a count shown beside the table.
  [[nodiscard]] std::size_t FindingCount() const;

  // The question file Save writes: the layout of the importer's files.
  [[nodiscard]] std::string FileText() const;

 private:
  // Beyond this many rows, one check of the whole file costs less than a
  // tiny file per row.
  static constexpr std::size_t kRowsCheckedAlone = 8;

  // Rows [from, to), each as a tiny file, or all of them in one check of
  // the saved file: the agreement of the two is what the tests hold to.
  void Recheck(std::size_t from, std::size_t to);
  void CheckWholeFile();

  std::filesystem::path scratchFile_;
  DisplayLimits limits_;
  std::vector<QuizQuestion> rows_;
  std::vector<std::vector<RowFinding>> findings_;
  std::vector<QuestionFinding> fileFindings_;
};

// A block copied from a spreadsheet (tab-separated rows, quoted as
// spreadsheets quote), as rows of values: the cells are texts as shown, so
// each "&" is doubled as the importer does. Lenient: a row with fewer than
// four cells gets empty ones (the checker then flags them), cells after the
// fourth are dropped, and empty rows are skipped.
[[nodiscard]] std::vector<QuizQuestion> RowsFromCells(std::string_view pasted);

// A CSV file's bytes read as `import` reads them, as rows of values (each
// "&" doubled); its refusal as `import` words it.
[[nodiscard]] std::variant<CsvQuestions, CsvRefusal> RowsFromCsv(std::string_view bytes);

// How the game shows a row: each text as its label or button shows it, and
// the box after a wrong answer, which names the right answer as written.
struct QuestionPreview {
  ui::CaptionText question, correct, wrongA, wrongB;
  std::string correctInTheBox;  // the box's whole text
  // True when the box shows the right answer otherwise than its button
  // (an "&" in it), so that the preview should show the box too.
  bool correctDiffersInTheBox = false;
};

[[nodiscard]] QuestionPreview PreviewOf(const QuizQuestion& row);
