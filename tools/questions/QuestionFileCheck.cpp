// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionFileCheck.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <ostream>
#include <set>

#include "base/IntegerText.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "game/GameFlow.h"
#include "game/ProfileReader.h"
#include "ui/Caption.h"

namespace {

// Where the questions' texts wrap when shown, so that a long one reads in a
// console of 80 columns.
constexpr std::size_t kShownLineCharacters = 70;

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

// A text as a message quotes it, whole, with control characters made
// visible.
std::string Quoted(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      shown += std::string("<") + kHex[byte >> 4] + kHex[byte & 0xF] + ">";
    } else {
      shown += c;
    }
  }
  return "\"" + shown + "\"";
}

// A quoted text broken at blanks into lines of about kShownLineCharacters,
// the later ones indented by `indent`; a word longer than a line stays whole.
std::string Wrapped(std::string_view text, std::size_t indent) {
  const std::string quoted = Quoted(text);
  std::string wrapped;
  std::size_t lineStart = 0;
  std::size_t lastBlank = std::string::npos;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < quoted.size(); i += Utf8CharacterAt(std::string_view(quoted).substr(i)).size()) {
    ++characters;
    if (quoted[i] == ' ') lastBlank = i;
    if (characters > kShownLineCharacters && lastBlank != std::string::npos) {
      wrapped.append(quoted, lineStart, lastBlank - lineStart).append("\n").append(indent, ' ');
      lineStart = lastBlank + 1;
      lastBlank = std::string::npos;
      characters = Utf8CharacterCount(std::string_view(quoted).substr(lineStart, i + 1 - lineStart));
    }
  }
  return wrapped.append(quoted, lineStart);
}

// The first control character in a UTF-8 text, in words, or nothing. Tabs
// count as blanks.
std::optional<std::string> FirstControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    unsigned code = byte;
    if (byte == 0xC2 && i + 1 < text.size()) code = static_cast<unsigned char>(text[i + 1]);
    const bool control = (byte < 0x20 && byte != '\t') || byte == 0x7F || (byte == 0xC2 && code >= 0x80 && code <= 0x9F);
    if (!control) continue;
    static const std::map<unsigned, const char*> kNames = {
        {0x07, "bell"},        {0x08, "backspace"}, {0x0B, "vertical tab"}, {0x0C, "form feed"},
        {0x1A, "end-of-file mark Ctrl-Z"}, {0x1B, "escape"}, {0x7F, "delete"}};
    const auto name = kNames.find(code);
    char number[8];
    std::snprintf(number, sizeof number, code < 0x80 ? "%02X" : "U+%04X", code);
    return std::string(name != kNames.end() ? name->second : "control character") + ", " +
           (code < 0x80 ? "byte " : "") + number;
  }
  return std::nullopt;
}

// What the reader saw of one section: its header and the entries under the
// first header of its name.
struct Section {
  std::string name;
  std::size_t line = 0;
  std::vector<ProfileLine> entries;
};

// The first entry of a key in a section, ignoring the case of A-Z.
const ProfileLine* EntryOf(const Section& section, std::string_view key) {
  for (const ProfileLine& entry : section.entries) {
    if (EqualsIgnoringAsciiCase(entry.name, key)) return &entry;
  }
  return nullptr;
}

// A section name that a draw can ask for: a number in plain decimal.
std::optional<std::int32_t> QuestionNumber(const std::string& name) {
  const std::optional<std::int32_t> number = IntegerFromText(name);
  if (!number || IntegerToText(*number) != name) return std::nullopt;
  return number;
}

bool LooksLikeANumber(std::string_view name) {
  while (!name.empty() && (name.front() == '+' || name.front() == '-' || name.front() == ' ')) name.remove_prefix(1);
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string EncodingInWords(const ProfileSurvey& survey);

// Collects what the game will not read, or will read otherwise than meant.
class Checker final {
 public:
  Checker(const std::filesystem::path& file, const DisplayLimits& limits) : file_(file), limits_(limits) {}

  std::optional<QuestionFileCheck> Run() {
    const std::optional<ProfileSurvey> survey = SurveyProfileFile(file_);
    if (!survey) return std::nullopt;
    result_.encoding = EncodingInWords(*survey);
    for (const ProfileLine& line : survey->lines) TakeLine(line);
    CheckOverview();
    CheckSections();
    std::stable_sort(result_.findings.begin(), result_.findings.end(),
                     [](const QuestionFinding& a, const QuestionFinding& b) { return a.line < b.line; });
    return std::move(result_);
  }

 private:
  void Find(std::size_t line, std::string message) { result_.findings.push_back({line, std::move(message)}); }

  void TakeLine(const ProfileLine& line) {
    CheckCharacters(line);
    switch (line.kind) {
      case ProfileLine::Kind::Blank:
      case ProfileLine::Kind::Comment:
        return;
      case ProfileLine::Kind::UnclosedHeader:
        Find(line.number, "this line starts with \"[\" but has no \"]\", so it is no section header: the game skips it");
        return;
      case ProfileLine::Kind::Stray:
        if (line.name.empty() && !line.stoppedAtNul) return;
        Find(line.number, "the game cannot read this line and skips it: " + Quoted(line.name) +
                              " is not a section header such as [1], not an entry such as Vraag=..., and not a "
                              "comment starting with \";\"");
        return;
      case ProfileLine::Kind::Header:
        TakeHeader(line);
        return;
      case ProfileLine::Kind::Entry:
        TakeEntry(line);
        return;
    }
  }

  void CheckCharacters(const ProfileLine& line) {
    const std::string text = line.name + line.value;
    if (const std::optional<std::string> control = FirstControlCharacter(text)) {
      Find(line.number, "this line holds an invisible control character (" + *control +
                            "), which the game takes as part of the name or text it stands in");
    }
    if (line.stoppedAtNul) Find(line.number, "this line holds a NUL byte, " + WhatANulLeaves(line));
    if (line.valueCut) {
      Find(line.number, "this text is longer than the 2047 bytes the game reads: it ends after " +
                            Quoted(line.value.substr(line.value.size() - std::min<std::size_t>(line.value.size(), 30))));
    }
  }

  static std::string WhatANulLeaves(const ProfileLine& line) {
    switch (line.kind) {
      case ProfileLine::Kind::Entry:
        return "which ends the name or text it stands in: the game reads " + Quoted(line.name) + " as " +
               Quoted(line.value);
      case ProfileLine::Kind::Header:
        return "which ends the section name: the game reads it as [" + line.name + "]";
      default:
        return "which the game reads as the end of the line's text";
    }
  }

  void TakeHeader(const ProfileLine& line) {
    if (line.name.find(']') != std::string::npos) {
      Find(line.number, "the game reads the section's name as " + Quoted(line.name) +
                            ", since a name ends at the last \"]\" of its line");
    }
    const std::string folded = Folded(line.name);
    const auto first = firstHeaders_.find(folded);
    if (first != firstHeaders_.end()) {
      Find(line.number, "section [" + line.name + "] appears a second time (first on line " +
                            std::to_string(sections_[first->second].line) +
                            "): the game reads only the first, so it never reads the lines under this one");
      current_ = std::nullopt;
      return;
    }
    firstHeaders_.emplace(folded, sections_.size());
    sections_.push_back({line.name, line.number, {}});
    current_ = sections_.size() - 1;
    seenHeader_ = true;
  }

  void TakeEntry(const ProfileLine& line) {
    if (!seenHeader_) {
      Find(line.number, Quoted(line.name + "=" + line.value) +
                            " comes before the first section header, so the game never reads it");
      return;
    }
    if (!current_) return;  // under a repeated header: reported there
    Section& section = sections_[*current_];
    if (const ProfileLine* earlier = EntryOf(section, line.name)) {
      Find(line.number, line.name + " appears a second time in [" + section.name + "] (first on line " +
                            std::to_string(earlier->number) + "): the game takes the first");
    }
    section.entries.push_back(line);
  }

  void CheckOverview() {
    const auto overview = firstHeaders_.find("overzicht");
    result_.count = QuestionBank(file_).Count();
    if (overview == firstHeaders_.end()) {
      Find(0, "there is no section [Overzicht] with Aantal=, the number of questions, so the game always asks "
              "question 1");
      return;
    }
    const Section& section = sections_[overview->second];
    for (const ProfileLine& entry : section.entries) {
      if (!EqualsIgnoringAsciiCase(entry.name, "Aantal")) {
        Find(entry.number, "the game reads only Aantal in [Overzicht] and ignores " + Quoted(entry.name));
      }
    }
    const ProfileLine* aantal = EntryOf(section, "Aantal");
    if (aantal == nullptr) {
      Find(section.line, "[Overzicht] has no Aantal=, the number of questions, so the game always asks question 1");
      return;
    }
    aantalLine_ = aantal->number;
    if (!IntegerFromText(aantal->value)) {
      Find(aantal->number, "Aantal=" + aantal->value + " is not a number the game can read, so it always asks "
                           "question 1; write the number of questions in digits, such as Aantal=12");
    } else if (result_.count == 0) {
      Find(aantal->number, "Aantal=0 makes the game always ask question 1");
    } else if (result_.count < 0) {
      Find(aantal->number, "Aantal=" + aantal->value + " is negative: the game then draws section numbers far "
                           "outside 1, 2, 3 ..., so nearly every question it shows is empty");
    }
  }

  // The numbers the game draws from: 1 to Aantal, or only 1.
  [[nodiscard]] std::int32_t HighestAsked() const { return result_.count >= 1 ? result_.count : 1; }

  void CheckSections() {
    std::set<std::int32_t> present;
    for (const Section& section : sections_) {
      if (EqualsIgnoringAsciiCase(section.name, "Overzicht")) continue;
      const std::optional<std::int32_t> number = QuestionNumber(section.name);
      if (!number && section.name.find(']') != std::string::npos) continue;  // reported with its header
      if (!number) {
        Find(section.line, LooksLikeANumber(section.name)
                               ? "the game never asks for section [" + section.name +
                                     "]: it looks for questions by plain numbers, such as [1] or [12]"
                               : "the game never reads section [" + section.name +
                                     "]: it reads only [Overzicht] and the numbered questions");
        continue;
      }
      // A negative count lets a draw ask for any number at all.
      if (result_.count >= 0 && (*number < 1 || *number > HighestAsked())) {
        Find(section.line, "question [" + section.name + "] is never asked, because " +
                               (result_.count >= 1 ? "Aantal is " + std::to_string(result_.count)
                                                   : std::string("the game reads no usable Aantal")));
        continue;
      }
      present.insert(*number);
      CheckQuestion(section, *number);
    }
    if (result_.count >= 0) FindMissingQuestions(present);
  }

  void CheckQuestion(const Section& section, std::int32_t number) {
    const std::string name = "question " + std::to_string(number);
    for (const ProfileLine& entry : section.entries) {
      const bool known = std::any_of(kQuestionKeys.begin(), kQuestionKeys.end(),
                                     [&entry](const char* key) { return EqualsIgnoringAsciiCase(entry.name, key); });
      if (!known) {
        Find(entry.number, "the game ignores " + Quoted(entry.name) +
                               " in a question: it reads only Vraag, Juist, Fouta and Foutb");
      }
    }
    // The texts a request for this number returns: the first entry of each
    // key under the first header of the section's name. Taken from the
    // lines already read, as a request per text would pass over the file
    // from its start again and make a file of many questions take minutes.
    const auto text = [&section](const char* key) {
      const ProfileLine* entry = EntryOf(section, key);
      return entry != nullptr ? entry->value : std::string();
    };
    const CheckedQuestion checked{number, {text("Vraag"), text("Juist"), text("Fouta"), text("Foutb")}};
    const std::array<const std::string*, 4> texts = {&checked.texts.Question, &checked.texts.Correct,
                                                     &checked.texts.WrongA, &checked.texts.WrongB};
    std::array<std::string, 4> shown;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const ProfileLine* entry = EntryOf(section, kQuestionKeys[i]);
      const std::size_t line = entry != nullptr ? entry->number : section.line;
      shown[i] = ui::ParseCaption(*texts[i]).Text;
      CheckText(line, name, kQuestionKeys[i], *texts[i], entry != nullptr,
                i == 0 ? limits_.questionCharacters : limits_.answerCharacters);
    }
    for (std::size_t i = 1; i < shown.size(); ++i) {
      for (std::size_t j = 1; j < i; ++j) {
        if (shown[i].empty() || !EqualsIgnoringAsciiCase(shown[i], shown[j])) continue;
        const ProfileLine* entry = EntryOf(section, kQuestionKeys[i]);
        Find(entry != nullptr ? entry->number : section.line,
             std::string(kQuestionKeys[i]) + " of " + name + " is the same answer as " + kQuestionKeys[j] + " (" +
                 Quoted(shown[i]) + "), so the player sees two answers alike");
      }
    }
    result_.questions.push_back(checked);
  }

  void CheckText(std::size_t line, const std::string& question, const char* key, const std::string& text,
                 bool present, std::size_t limit) {
    const std::string what = std::string(key) + " of " + question;
    if (text.empty()) {
      Find(line, present ? what + " is empty" : question + " has no " + key + "=, so the game shows it empty");
      return;
    }
    // The box after a wrong answer shows the right one as written, so "&&"
    // mends only the button.
    const std::string inTheBox = std::string_view(key) == "Juist"
                                     ? " on the button (the box after a wrong answer shows it as written, \"&&\")"
                                     : "";
    const ui::CaptionText caption = ui::ParseCaption(text);
    // With no access letter, every "&" before the last run of them is
    // doubled, so an odd run ends the text in a lone "&".
    if (caption.AccessIndex) {
      const std::string letter = caption.Text.substr(*caption.AccessIndex, caption.AccessLength);
      Find(line, what + " has a single \"&\" before \"" + letter +
                     "\": the game does not show the \"&\" but underlines the letter after it; write \"&&\" to "
                     "show \"&\"" + inTheBox);
    } else if ((text.size() - (text.find_last_not_of('&') + 1)) % 2 == 1) {
      Find(line, what + " ends in a single \"&\", which the game does not show; write \"&&\" to show \"&\"" +
                     inTheBox);
    }
    const std::size_t characters = Utf8CharacterCount(caption.Text);
    if (characters > limit) {
      Find(line, what + " has " + std::to_string(characters) + " characters; the window shows about " +
                     std::to_string(limit) + ", so its end may not show");
    }
  }

  void FindMissingQuestions(const std::set<std::int32_t>& present) {
    // Gaps between the numbers present, up to the highest the game asks.
    std::vector<std::pair<std::int64_t, std::int64_t>> gaps;
    std::int64_t next = 1;
    for (const std::int32_t number : present) {
      if (number > next) gaps.emplace_back(next, number - 1);
      next = std::int64_t{number} + 1;
    }
    if (next <= HighestAsked()) gaps.emplace_back(next, HighestAsked());
    if (gaps.empty()) return;
    std::string list;
    std::int64_t missing = 0;
    for (std::size_t i = 0; i < gaps.size(); ++i) {
      const auto [from, to] = gaps[i];
      missing += to - from + 1;
      if (i == 8) {
        list += ", ...";
        break;
      }
      if (!list.empty()) list += ", ";
      list += from == to ? std::to_string(from) : std::to_string(from) + " to " + std::to_string(to);
    }
    for (std::size_t i = 9; i < gaps.size(); ++i) missing += gaps[i].second - gaps[i].first + 1;
    const std::string which = missing == 1 ? "question " + list + " is" : "questions " + list + " are";
    Find(aantalLine_, which + " missing from the file: when the game draws " +
                          (missing == 1 ? "it" : "one of them") + ", it shows an empty question and empty answers");
  }

  const std::filesystem::path& file_;
  const DisplayLimits& limits_;
  QuestionFileCheck result_;
  std::vector<Section> sections_;
  std::map<std::string, std::size_t> firstHeaders_;
  std::optional<std::size_t> current_;
  bool seenHeader_ = false;
  std::size_t aantalLine_ = 0;
};

std::string EncodingInWords(const ProfileSurvey& survey) {
  switch (survey.encoding) {
    case FileEncoding::Utf8:
      return "UTF-8";
    case FileEncoding::Windows1252:
      return "Windows-1252, since the file is not UTF-8 (line " +
             std::to_string(survey.firstOddLine) +
             " is the first with a byte that UTF-8 does not allow)";
    case FileEncoding::Utf8WithMark:
      if (survey.strayBytes == 0) return "UTF-8 (with a byte-order mark)";
      return "UTF-8 (with a byte-order mark); " + std::to_string(survey.strayBytes) +
             (survey.strayBytes == 1 ? " byte that is not UTF-8 is" : " bytes that are not UTF-8 are") +
             " read as Windows-1252, the first on line " + std::to_string(survey.firstOddLine);
    case FileEncoding::Utf16LittleEndian:
      return "UTF-16 little-endian (Windows \"Unicode\")";
    case FileEncoding::Utf16BigEndian:
      return "UTF-16 big-endian";
  }
  return {};
}

}  // namespace

std::optional<QuestionFileCheck> CheckQuestionFile(const std::filesystem::path& file, const DisplayLimits& limits) {
  return Checker(file, limits).Run();
}

void PrintQuestionFileCheck(const QuestionFileCheck& check, std::ostream& out) {
  out << "Read as: " << check.encoding << "\n";
  out << "Aantal: " << check.count;
  if (check.count == 1) out << " (the game draws question 1)";
  else if (check.count > 1) out << " (the game draws questions 1 to " << check.count << ")";
  else if (check.count == 0) out << " (the game always draws question 1)";
  out << "\n";
  constexpr std::size_t kIndent = 9;  // "  Vraag: "
  for (const CheckedQuestion& question : check.questions) {
    out << "\nQuestion " << question.number << "\n";
    const std::array<const std::string*, 4> texts = {&question.texts.Question, &question.texts.Correct,
                                                     &question.texts.WrongA, &question.texts.WrongB};
    for (std::size_t i = 0; i < texts.size(); ++i) {
      out << "  " << kQuestionKeys[i] << ": " << Wrapped(ui::ParseCaption(*texts[i]).Text, kIndent) << "\n";
      // After a wrong answer a box names the right one with its text as
      // written: "&&" shows there as "&&", not as the button's "&".
      const std::string& correct = question.texts.Correct;
      if (texts[i] == &correct && ui::ParseCaption(correct).Text != correct) {
        out << std::string(kIndent, ' ') << "after a wrong answer the game's box shows it as written:\n"
            << std::string(kIndent, ' ') << Wrapped(CorrectAnswerText(correct), kIndent) << "\n";
      }
    }
  }
  out << "\n";
  PrintQuestionFindings(check, out);
}

void PrintQuestionFindings(const QuestionFileCheck& check, std::ostream& out, std::string_view where) {
  for (const QuestionFinding& finding : check.findings) {
    if (!where.empty()) out << where << ": ";
    out << (finding.line == 0 ? std::string("File") : "Line " + std::to_string(finding.line)) << ": "
        << finding.message << "\n";
  }
  if (check.AllWhole()) {
    out << "All fine: the game shows every question whole.\n";
  } else {
    out << check.findings.size() << (check.findings.size() == 1 ? " problem" : " problems")
        << ": not every question will show as meant.\n";
  }
}

std::string WhyUnreadable(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return "there is no file " + file.string();
  if (status.type() == std::filesystem::file_type::directory) return file.string() + " is a folder, not a file";
  if (!error && status.type() != std::filesystem::file_type::regular) {
    return file.string() + " is not an ordinary file";
  }
  std::ifstream probe(file, std::ios::binary);
  const int reason = errno;
  if (!probe) return "cannot open " + file.string() + ": " + std::strerror(reason);
  return "cannot read " + file.string();
}
