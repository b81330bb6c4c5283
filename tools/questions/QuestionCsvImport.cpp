// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionCsvImport.h"

#include <algorithm>
#include <array>

#include "base/Text.h"
#include "game/ProfileReader.h"
#include "game/TextDecoder.h"

namespace {

// The separator the first row uses most outside quotes; a comma when none.
char DetectSeparator(std::string_view text) {
  constexpr std::array<char, 3> kSeparators = {'\t', ';', ','};
  std::array<std::size_t, 3> counts{};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (std::size_t i = 0; i < kSeparators.size(); ++i) counts[i] += c == kSeparators[i] ? 1 : 0;
  }
  const auto most = std::max_element(counts.begin(), counts.end());
  return *most == 0 ? ',' : kSeparators[static_cast<std::size_t>(most - counts.begin())];
}

struct Row {
  std::size_t number = 0;
  std::vector<std::string> fields;
  bool hadLineBreak = false;
};

// Splits the text into rows of fields; a quoted field may hold separators,
// line breaks and "" for a quote.
std::vector<Row> SplitRows(std::string_view text, char separator) {
  std::vector<Row> rows;
  Row row{.number = 1, .fields = {""}};
  std::size_t line = 1;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = row.fields.back();
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        ++line;
        field += ' ';
        row.hadLineBreak = true;
      } else {
        field += c;
      }
      continue;
    }
    if (c == '"' && std::all_of(field.begin(), field.end(), [](char f) { return f == ' ' || f == '\t'; })) {
      field.clear();
      quoted = true;
    } else if (c == separator) {
      row.fields.emplace_back();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      rows.push_back(std::move(row));
      row = Row{.number = ++line, .fields = {""}};
    } else {
      field += c;
    }
  }
  if (row.fields.size() > 1 || !row.fields.front().empty()) rows.push_back(std::move(row));
  return rows;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

bool IsHeader(const Row& row) {
  const std::string first = Trimmed(row.fields.front());
  return EqualsIgnoringAsciiCase(first, "Vraag") || EqualsIgnoringAsciiCase(first, "Question");
}

// A text as a value the reader gives back unchanged and the game shows as
// written.
std::string AsValue(std::string_view text) {
  std::string value;
  for (const char c : text) value += c == '&' ? std::string("&&") : std::string(1, c);
  const bool wouldLoseQuotes =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return wouldLoseQuotes ? "\"" + value + "\"" : value;
}

}  // namespace

std::variant<CsvQuestions, CsvRefusal> ReadCsvQuestions(std::string_view bytes) {
  const std::string text = DecodeFileBytes(bytes);
  const std::vector<Row> rows = SplitRows(text, DetectSeparator(text));
  CsvQuestions result;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    std::vector<std::string> fields;
    for (const std::string& field : row.fields) fields.push_back(Trimmed(field));
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    if (fields.empty()) continue;
    if (r == 0 && IsHeader(row)) continue;
    const std::size_t texts = static_cast<std::size_t>(
        std::count_if(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); }));
    if (fields.size() != 4 || texts != 4) {
      return CsvRefusal{row.number, "row " + std::to_string(row.number) + " has " +
                                        (fields.size() > 4 ? "more than four" : std::to_string(texts)) +
                                        " texts; every row needs four: the question, the correct answer and "
                                        "two wrong answers"};
    }
    for (const std::string& field : fields) {
      if (AsValue(field).size() > kMaxProfileValueBytes) {
        return CsvRefusal{row.number, "row " + std::to_string(row.number) +
                                          " has a text longer than the 2047 bytes the game reads"};
      }
    }
    if (row.hadLineBreak) {
      result.notes.push_back("row " + std::to_string(row.number) +
                             ": a line break inside a text became a space");
    }
    result.questions.push_back({fields[0], fields[1], fields[2], fields[3]});
  }
  return result;
}

std::string QuestionFileText(const std::vector<QuizQuestion>& questions, std::string_view source) {
  std::string out = "; Questions for Tolvanix Plimbora, imported from " + std::string(source) + "\r\n";
  out += "[Overzicht]\r\nAantal=" + std::to_string(questions.size()) + "\r\n";
  for (std::size_t k = 0; k < questions.size(); ++k) {
    const QuizQuestion& question = questions[k];
    out += "\r\n[" + std::to_string(k + 1) + "]\r\n";
    out += "Vraag=" + AsValue(question.Question) + "\r\n";
    out += "Juist=" + AsValue(question.Correct) + "\r\n";
    out += "Fouta=" + AsValue(question.WrongA) + "\r\n";
    out += "Foutb=" + AsValue(question.WrongB) + "\r\n";
  }
  return out;
}
