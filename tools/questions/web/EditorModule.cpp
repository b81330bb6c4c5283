// SPDX-License-Identifier: MIT
// The editor page's way into the question tool: the reader, the checker, the
// importer and the game's caption rules, handed to the page's script as
// plain JavaScript values. Nothing here decides anything; it converts.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "tools/questions/QuestionTable.h"
#include "ui/Caption.h"

namespace {

using emscripten::val;

// A row as the page holds it: [Vraag, Juist, Fouta, Foutb].
val RowValue(const QuizQuestion& row) {
  val texts = val::array();
  for (const std::string* text : {&row.Question, &row.Correct, &row.WrongA, &row.WrongB}) {
    texts.call<void>("push", val(*text));
  }
  return texts;
}

val RowsValue(const std::vector<QuizQuestion>& rows) {
  val list = val::array();
  for (const QuizQuestion& row : rows) list.call<void>("push", RowValue(row));
  return list;
}

// A missing cell is an empty text, so a page's short row cannot throw.
QuizQuestion RowFrom(const val& row) {
  const auto cells = row["length"].as<std::size_t>();
  std::array<std::string, 4> texts;
  for (std::size_t column = 0; column < texts.size() && column < cells; ++column) {
    texts[column] = row[column].as<std::string>();
  }
  return {std::move(texts[0]), std::move(texts[1]), std::move(texts[2]), std::move(texts[3])};
}

std::vector<QuizQuestion> RowsFrom(const val& list) {
  std::vector<QuizQuestion> rows;
  const auto count = list["length"].as<std::size_t>();
  rows.reserve(count);
  for (std::size_t i = 0; i < count; ++i) rows.push_back(RowFrom(list[i]));
  return rows;
}

val FindingsValue(const std::vector<RowFinding>& findings) {
  val list = val::array();
  for (const RowFinding& finding : findings) {
    val item = val::object();
    item.set("column", finding.column);
    item.set("message", finding.message);
    list.call<void>("push", item);
  }
  return list;
}

// A caption in three pieces (before, the access letter, after), so that
// the page underlines the letter without reading anything as markup.
val CaptionValue(const ui::CaptionText& caption) {
  val parts = val::object();
  const std::string& text = caption.Text;
  if (!caption.AccessIndex || *caption.AccessIndex >= text.size()) {
    parts.set("before", text);
    parts.set("letter", std::string());
    parts.set("after", std::string());
    return parts;
  }
  const std::size_t at = *caption.AccessIndex;
  parts.set("before", text.substr(0, at));
  parts.set("letter", text.substr(at, caption.AccessLength));
  parts.set("after", text.substr(at + caption.AccessLength));
  return parts;
}

// The file at `path`, read as the game reads it: { unreadable } when it
// cannot be, else its encoding, count, rows and every finding with its line
// and its row (-1 for the file as a whole).
val OpenFile(const std::string& path) {
  auto opened = OpenQuestions(path);
  val result = val::object();
  if (auto* why = std::get_if<std::string>(&opened)) {
    result.set("unreadable", *why);
    return result;
  }
  const OpenedQuestions& file = std::get<OpenedQuestions>(opened);
  result.set("encoding", file.check.encoding);
  result.set("count", file.check.count);
  result.set("rows", RowsValue(file.rows));
  val findings = val::array();
  for (std::size_t i = 0; i < file.check.findings.size(); ++i) {
    val item = val::object();
    item.set("line", file.check.findings[i].line);
    item.set("message", file.check.findings[i].message);
    const auto& row = i < file.rowOfFinding.size() ? file.rowOfFinding[i] : std::nullopt;
    item.set("row", row ? static_cast<double>(*row) : -1.0);
    findings.call<void>("push", item);
  }
  result.set("findings", findings);
  return result;
}

val PastedRows(const std::string& pasted) { return RowsValue(RowsFromCells(pasted)); }

// A CSV file's bytes: { rows, notes } or { refusal: { row, message } }.
val CsvRows(const std::string& bytes) {
  auto read = RowsFromCsv(bytes);
  val result = val::object();
  if (auto* refusal = std::get_if<CsvRefusal>(&read)) {
    val why = val::object();
    why.set("row", refusal->row);
    why.set("message", refusal->message);
    result.set("refusal", why);
    return result;
  }
  const CsvQuestions& csv = std::get<CsvQuestions>(read);
  result.set("rows", RowsValue(csv.questions));
  val notes = val::array();
  for (const std::string& note : csv.notes) notes.call<void>("push", val(note));
  result.set("notes", notes);
  return result;
}

// How the game shows the row: each text as a caption, and the text of the
// box after a wrong answer when it shows the right answer otherwise than
// its button does (empty when the same).
val Preview(const val& row) {
  const QuestionPreview preview = PreviewOf(RowFrom(row));
  val result = val::object();
  result.set("question", CaptionValue(preview.question));
  result.set("correct", CaptionValue(preview.correct));
  result.set("wrongA", CaptionValue(preview.wrongA));
  result.set("wrongB", CaptionValue(preview.wrongB));
  result.set("box", preview.correctDiffersInTheBox ? preview.correctInTheBox : std::string());
  return result;
}

// The table the page edits, its findings kept up to date by the checker.
class EditorTable final {
 public:
  explicit EditorTable(const std::string& scratchFile) : table_(scratchFile) {}

  void Replace(const val& rows) { table_.Replace(RowsFrom(rows)); }
  [[nodiscard]] std::size_t RowCount() const { return table_.RowCount(); }
  [[nodiscard]] val Row(std::size_t row) const { return RowValue(table_.Row(row)); }
  void SetText(std::size_t row, std::size_t column, const std::string& value) { table_.SetText(row, column, value); }
  void InsertRows(std::size_t at, const val& rows) { table_.InsertRows(at, RowsFrom(rows)); }
  void RemoveRow(std::size_t row) { table_.RemoveRow(row); }
  void MoveRow(std::size_t from, std::size_t to) { table_.MoveRow(from, to); }
  [[nodiscard]] val Findings(std::size_t row) const { return FindingsValue(table_.Findings(row)); }

  // What the checker finds about the saved file as a whole, with its lines.
  [[nodiscard]] val FileFindings() const {
    val list = val::array();
    for (const QuestionFinding& finding : table_.FileFindings()) {
      val item = val::object();
      item.set("line", finding.line);
      item.set("message", finding.message);
      list.call<void>("push", item);
    }
    return list;
  }

  // What Save downloads, as bytes: a copy the page may keep.
  [[nodiscard]] val FileBytes() const {
    const std::string text = table_.FileText();
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(text.size(), text.data()));
  }

 private:
  QuestionTable table_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(question_editor) {
  emscripten::function("openFile", &OpenFile);
  emscripten::function("pastedRows", &PastedRows);
  emscripten::function("csvRows", &CsvRows);
  emscripten::function("preview", &Preview);
  emscripten::class_<EditorTable>("EditorTable")
      .constructor<const std::string&>()
      .function("replace", &EditorTable::Replace)
      .function("rowCount", &EditorTable::RowCount)
      .function("row", &EditorTable::Row)
      .function("setText", &EditorTable::SetText)
      .function("insertRows", &EditorTable::InsertRows)
      .function("removeRow", &EditorTable::RemoveRow)
      .function("moveRow", &EditorTable::MoveRow)
      .function("findings", &EditorTable::Findings)
      .function("fileFindings", &EditorTable::FileFindings)
      .function("fileBytes", &EditorTable::FileBytes);
}
