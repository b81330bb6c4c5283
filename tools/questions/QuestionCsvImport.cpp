// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionCsvImport.h"

#include <algorithm>
#include <array>

#include "base/Text.h"
#include "base/Utf8.h"
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

// The CSV's text, decoded as the game decodes a question file.
std::string DecodedText(std::string_view bytes) {
  const ByteSource read = [bytes](std::uint64_t offset, std::span<char> buffer) {
    const std::string_view rest = bytes.substr(std::min<std::size_t>(offset, bytes.size()));
    return std::optional(rest.copy(buffer.data(), buffer.size()));
  };
  std::string text;
  for (const FileEncoding unmarked : {FileEncoding::Utf8, FileEncoding::Windows1252}) {
    TextDecoder decoder(read, unmarked);
    text.clear();
    for (std::string_view piece = decoder.Next(); !piece.empty(); piece = decoder.Next()) text += piece;
    if (decoder.Encoding() != FileEncoding::Windows1252) break;
  }
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string ValueShowing(std::string_view text) {
  std::string value;
  for (const char c : text) value += c == '&' ? std::string("&&") : std::string(1, c);
  return value;
}

// The value as a line of the file holds it, so that the reader returns
// `value` (as far as a line can hold it).
std::string Protected(std::string_view value) {
  std::string line;
  for (std::size_t i = 0; i < value.size();) {
    const std::size_t length = Utf8CharacterLength(value.substr(i));
    if (length == 0 || length > value.size() - i) {
      AppendUtf8(line, U'\uFFFD');
      ++i;
      continue;
    }
    if (value[i] == '\r' || value[i] == '\n') {
      line += ' ';
      i += value.substr(i, 2) == "\r\n" ? 2 : 1;
      continue;
    }
    line.append(value, i, length);
    i += length;
  }
  // The reader drops the blanks around a value, then one pair of like
  // quotes around what is left.
  const bool wouldLoseBlanks = !line.empty() && (IsBlank(line.front()) || IsBlank(line.back()));
  const bool wouldLoseQuotes =
      line.size() >= 2 && (line.front() == '"' || line.front() == '\'') && line.back() == line.front();
  return wouldLoseBlanks || wouldLoseQuotes ? "\"" + line + "\"" : line;
}

}  // namespace

std::vector<CsvRow> SplitCsvRows(std::string_view text, char separator) {
  std::vector<CsvRow> rows;
  CsvRow row{.number = 1, .fields = {""}};
  const auto take = [&rows](CsvRow& taken) {
    for (std::string& field : taken.fields) field = Trimmed(field);
    rows.push_back(std::move(taken));
  };
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
    if (c == '"' && std::all_of(field.begin(), field.end(), IsBlank)) {
      field.clear();
      quoted = true;
    } else if (c == separator) {
      row.fields.emplace_back();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      take(row);
      row = CsvRow{.number = ++line, .fields = {""}};
    } else {
      field += c;
    }
  }
  if (row.fields.size() > 1 || !row.fields.front().empty()) take(row);
  return rows;
}

bool IsHeaderRow(const CsvRow& row) {
  const std::string& first = row.fields.front();
  return EqualsIgnoringAsciiCase(first, "Vraag") || EqualsIgnoringAsciiCase(first, "Question");
}

std::variant<CsvQuestions, CsvRefusal> ReadCsvQuestions(std::string_view bytes) {
  const std::string text = DecodedText(bytes);
  const std::vector<CsvRow> rows = SplitCsvRows(text, DetectSeparator(text));
  CsvQuestions result;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    std::vector<std::string> fields = row.fields;
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    if (fields.empty()) continue;
    if (r == 0 && IsHeaderRow(row)) continue;
    const std::size_t texts = static_cast<std::size_t>(
        std::count_if(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); }));
    if (fields.size() != 4 || texts != 4) {
      return CsvRefusal{row.number, "row " + std::to_string(row.number) + " has " +
                                        (fields.size() > 4 ? "more than four" : std::to_string(texts)) +
                                        " texts; every row needs four: the question, the correct answer and "
                                        "two wrong answers"};
    }
    for (const std::string& field : fields) {
      if (Protected(ValueShowing(field)).size() > kMaxProfileValueBytes) {
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

QuizQuestion ValuesShowing(const QuizQuestion& texts) {
  return {ValueShowing(texts.Question), ValueShowing(texts.Correct), ValueShowing(texts.WrongA),
          ValueShowing(texts.WrongB)};
}

std::string QuestionSectionText(std::size_t number, const QuizQuestion& values) {
  return "\r\n[" + std::to_string(number) + "]\r\n" +
         "Vraag=" + Protected(values.Question) + "\r\n" +
         "Juist=" + Protected(values.Correct) + "\r\n" +
         "Fouta=" + Protected(values.WrongA) + "\r\n" +
         "Foutb=" + Protected(values.WrongB) + "\r\n";
}

std::string QuestionFileText(const std::vector<QuizQuestion>& values, std::string_view source) {
  std::string out = "; Questions for Tolvanix Plimbora";
  if (!source.empty()) out += ", imported from " + std::string(source);
  out += "\r\n[Overzicht]\r\nAantal=" + std::to_string(values.size()) + "\r\n";
  for (std::size_t k = 0; k < values.size(); ++k) out += QuestionSectionText(k + 1, values[k]);
  return out;
}
