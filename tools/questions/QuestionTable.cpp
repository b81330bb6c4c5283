// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionTable.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "base/Exception.h"
#include "base/IntegerText.h"
#include "base/Text.h"
#include "game/GameFlow.h"
#include "game/ProfileReader.h"

namespace {

std::string& Cell(QuizQuestion& row, std::size_t column) {
  switch (column) {
    case 0:
      return row.Question;
    case 1:
      return row.Correct;
    case 2:
      return row.WrongA;
    case 3:
      return row.WrongB;
    default:
      throw std::out_of_range("a question has four texts, not " + std::to_string(column + 1));
  }
}

void CheckIndex(std::size_t index, std::size_t count) {
  if (index >= count) {
    throw std::out_of_range("row " + std::to_string(index) + " of a table of " + std::to_string(count));
  }
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) throw Exception("cannot write the scratch file " + file.string() + " to check the questions");
}

QuestionFileCheck CheckText(const std::filesystem::path& scratchFile, const std::string& text,
                            const DisplayLimits& limits) {
  WriteFile(scratchFile, text);
  std::optional<QuestionFileCheck> check = CheckQuestionFile(scratchFile, limits);
  if (!check) throw Exception("cannot check the questions: " + WhyUnreadable(scratchFile));
  return std::move(*check);
}

// A section as written opens with a blank line, then its header.
constexpr std::size_t kHeaderAfterBlank = 2;

std::size_t LineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A finding on a line of a row's section, counted from its header, which
// the texts follow in the order of the columns.
RowFinding FindingAt(std::size_t lineInSection, std::string message) {
  const bool text = lineInSection >= 1 && lineInSection <= kQuestionKeys.size();
  return {text ? lineInSection - 1 : RowFinding::kWholeRow, std::move(message)};
}

// The number a draw asks for by this section name, which must be written
// exactly as the game writes the number.
std::optional<std::int32_t> SectionNumber(const std::string& name) {
  const std::optional<std::int32_t> number = IntegerFromText(name);
  if (!number || IntegerToText(*number) != name) return std::nullopt;
  return number;
}

}  // namespace

std::variant<OpenedQuestions, std::string> OpenQuestions(const std::filesystem::path& file) {
  std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  // The values come from the survey's lines, which hold each value exactly
  // as a request returns it: one pass over the file, where a read per
  // question would pass over it once per section.
  const std::optional<ProfileSurvey> survey = SurveyProfileFile(file);
  if (!check || !survey) return WhyUnreadable(file);

  // A request reads the first entry of its key under the first header of
  // the section's name; later headers of that name are never read, but
  // what is found under them still concerns that question.
  struct Section {
    QuizQuestion values;
    std::array<bool, 4> found{};
  };
  std::map<std::int32_t, Section> sections;
  std::vector<std::pair<std::size_t, std::optional<std::int32_t>>> headers;  // line, question
  Section* current = nullptr;
  for (const ProfileLine& line : survey->lines) {
    if (line.kind == ProfileLine::Kind::Header) {
      const std::optional<std::int32_t> number = SectionNumber(line.name);
      headers.emplace_back(line.number, number);
      const bool first = number && !sections.contains(*number);
      current = first ? &sections[*number] : nullptr;
    } else if (line.kind == ProfileLine::Kind::Entry && current != nullptr) {
      for (std::size_t k = 0; k < kQuestionKeys.size(); ++k) {
        if (current->found[k] || !EqualsIgnoringAsciiCase(line.name, kQuestionKeys[k])) continue;
        Cell(current->values, k) = line.value;
        current->found[k] = true;
      }
    }
  }

  OpenedQuestions opened;
  std::map<std::int32_t, std::size_t> rowOfNumber;
  for (const auto& [number, section] : sections) {
    rowOfNumber.emplace(number, opened.rows.size());
    opened.rows.push_back(section.values);
  }
  for (const QuestionFinding& finding : check->findings) {
    // The last header on or before the finding's line holds it.
    const auto after = std::upper_bound(headers.begin(), headers.end(), finding.line,
                                        [](std::size_t line, const auto& header) { return line < header.first; });
    std::optional<std::size_t> row;
    if (finding.line != 0 && after != headers.begin() && std::prev(after)->second) {
      row = rowOfNumber.at(*std::prev(after)->second);
    }
    opened.rowOfFinding.push_back(row);
  }
  opened.check = std::move(*check);
  return opened;
}

QuestionTable::QuestionTable(std::filesystem::path scratchFile, DisplayLimits limits)
    : scratchFile_(std::move(scratchFile)), limits_(limits) {
  Recheck(0, 0);
}

void QuestionTable::Replace(std::vector<QuizQuestion> rows) {
  rows_ = std::move(rows);
  findings_.assign(rows_.size(), {});
  Recheck(0, rows_.size());
}

const QuizQuestion& QuestionTable::Row(std::size_t row) const {
  CheckIndex(row, rows_.size());
  return rows_[row];
}

void QuestionTable::SetText(std::size_t row, std::size_t column, std::string value) {
  CheckIndex(row, rows_.size());
  std::string& cell = Cell(rows_[row], column);
  if (cell == value) return;
  cell = std::move(value);
  Recheck(row, row + 1);
}

void QuestionTable::InsertRows(std::size_t at, std::vector<QuizQuestion> rows) {
  CheckIndex(at, rows_.size() + 1);
  if (rows.empty()) return;
  const auto offset = static_cast<std::ptrdiff_t>(at);
  findings_.insert(findings_.begin() + offset, rows.size(), {});
  rows_.insert(rows_.begin() + offset, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  Recheck(at, rows_.size());
}

void QuestionTable::RemoveRow(std::size_t row) {
  CheckIndex(row, rows_.size());
  const auto offset = static_cast<std::ptrdiff_t>(row);
  rows_.erase(rows_.begin() + offset);
  findings_.erase(findings_.begin() + offset);
  Recheck(row, rows_.size());
}

void QuestionTable::MoveRow(std::size_t from, std::size_t to) {
  CheckIndex(from, rows_.size());
  CheckIndex(to, rows_.size());
  const auto first = static_cast<std::ptrdiff_t>(std::min(from, to));
  const auto last = static_cast<std::ptrdiff_t>(std::max(from, to)) + 1;
  // Moving down turns the span left by one, moving up turns it right.
  if (from < to) {
    std::rotate(rows_.begin() + first, rows_.begin() + first + 1, rows_.begin() + last);
  } else {
    std::rotate(rows_.begin() + first, rows_.begin() + last - 1, rows_.begin() + last);
  }
  Recheck(static_cast<std::size_t>(first), static_cast<std::size_t>(last));
}

const std::vector<RowFinding>& QuestionTable::Findings(std::size_t row) const {
  CheckIndex(row, findings_.size());
  return findings_[row];
}

std::size_t QuestionTable::FindingCount() const {
  std::size_t count = fileFindings_.size();
  for (const std::vector<RowFinding>& findings : findings_) count += findings.size();
  return count;
}

std::string QuestionTable::FileText() const { return QuestionFileText(rows_, {}); }

void QuestionTable::Recheck(std::size_t from, std::size_t to) {
  if (rows_.empty() || to - from > kRowsCheckedAlone) {
    CheckWholeFile();
    return;
  }
  // Every number from 1 to Aantal is in a file written from rows, so the
  // file as a whole has nothing to find unless it holds no question.
  fileFindings_.clear();
  for (std::size_t row = from; row < to; ++row) {
    const std::size_t number = row + 1;
    const std::string overview = "[Overzicht]\r\nAantal=" + std::to_string(number) + "\r\n";
    const std::size_t header = LineCount(overview) + kHeaderAfterBlank;
    std::vector<QuestionFinding> found =
        CheckText(scratchFile_, overview + QuestionSectionText(number, rows_[row]), limits_).findings;
    findings_[row].clear();
    for (QuestionFinding& finding : found) {
      // Those about the overview, such as the questions before this one
      // missing, are true of the tiny file only.
      if (finding.line >= header) findings_[row].push_back(FindingAt(finding.line - header, finding.message));
    }
  }
}

void QuestionTable::CheckWholeFile() {
  for (std::vector<RowFinding>& findings : findings_) findings.clear();
  fileFindings_.clear();
  const std::size_t firstHeader = LineCount(QuestionFileText({}, {})) + kHeaderAfterBlank;
  const std::size_t sectionLines = LineCount(QuestionSectionText(1, {}));
  for (QuestionFinding& finding : CheckText(scratchFile_, FileText(), limits_).findings) {
    const std::size_t row = finding.line >= firstHeader ? (finding.line - firstHeader) / sectionLines : rows_.size();
    if (row >= rows_.size()) {
      fileFindings_.push_back(std::move(finding));
    } else {
      findings_[row].push_back(FindingAt((finding.line - firstHeader) % sectionLines, finding.message));
    }
  }
}

std::vector<QuizQuestion> RowsFromCells(std::string_view pasted) {
  std::vector<QuizQuestion> rows;
  const std::vector<CsvRow> cells = SplitCsvRows(pasted, '\t');
  for (std::size_t r = 0; r < cells.size(); ++r) {
    std::vector<std::string> fields = cells[r].fields;
    if (std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); })) continue;
    if (r == 0 && IsHeaderRow(cells[r])) continue;
    fields.resize(kQuestionKeys.size());
    rows.push_back(ValuesShowing({fields[0], fields[1], fields[2], fields[3]}));
  }
  return rows;
}

std::variant<CsvQuestions, CsvRefusal> RowsFromCsv(std::string_view bytes) {
  std::variant<CsvQuestions, CsvRefusal> read = ReadCsvQuestions(bytes);
  if (auto* questions = std::get_if<CsvQuestions>(&read)) {
    for (QuizQuestion& question : questions->questions) question = ValuesShowing(question);
  }
  return read;
}

QuestionPreview PreviewOf(const QuizQuestion& row) {
  QuestionPreview preview{ui::ParseCaption(row.Question), ui::ParseCaption(row.Correct),
                          ui::ParseCaption(row.WrongA), ui::ParseCaption(row.WrongB), CorrectAnswerText(row.Correct)};
  preview.correctDiffersInTheBox = preview.correct.Text != row.Correct;
  return preview;
}
