// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the question bank as the file vragen.ini and
// checks what must hold for any file: no crash, no hang, no unbounded
// memory (the sanitizers and libFuzzer's limits watch those), text that is
// always well-formed UTF-8 and never longer than a cut value can be, lines
// and text that do not depend on how the file is cut into pieces, and a
// request that answers as a lookup over every surveyed line would.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "game/ProfileReader.h"
#include "game/QuestionBank.h"
#include "tests/game/InPieces.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void RequireSoundText(std::string_view text) {
  Require(Utf8WellFormedLength(text) == text.size(), "a value that is not UTF-8");
  Require(text.size() <= kMaxProfileValueBytes, "a value longer than a cut value can be");
}

// One file for the whole run, rewritten for every input.
class ScratchFile final {
 public:
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tp-fuzz-XXXXXX").string();
    const int descriptor = ::mkstemp(pattern.data());
    Require(descriptor >= 0, "a scratch file can be made");
    ::close(descriptor);
    path_ = pattern;
  }
  ~ScratchFile() { std::filesystem::remove(path_); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  void Write(std::string_view bytes) const {
    const int descriptor = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    Require(descriptor >= 0, "the scratch file can be opened");
    std::size_t written = 0;
    while (written < bytes.size()) {
      const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
      Require(count > 0, "the scratch file can be written");
      written += static_cast<std::size_t>(count);
    }
    ::close(descriptor);
  }

  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The first line of the input, "section|key", names one more request, so
// the fuzzer can look for names of its own.
std::pair<std::string, std::string> RequestedNames(std::string_view input) {
  const std::string_view line = input.substr(0, std::min(input.find_first_of("\r\n"), std::size_t{128}));
  const std::size_t bar = line.find('|');
  if (bar == std::string_view::npos) return {std::string(line), "k"};
  return {std::string(line.substr(0, bar)), std::string(line.substr(bar + 1))};
}

// The lookup written as plainly as it is defined: the first entry of the
// key under the first header of the section.
std::optional<std::string> LookUpInSurvey(const ProfileSurvey& survey, std::string_view section,
                                          std::string_view key) {
  bool inSection = false;
  for (const ProfileLine& line : survey.lines) {
    if (line.kind == ProfileLine::Kind::Header) {
      if (inSection) return std::nullopt;
      inSection = EqualsIgnoringAsciiCase(line.name, section);
    } else if (inSection && line.kind == ProfileLine::Kind::Entry && EqualsIgnoringAsciiCase(line.name, key)) {
      return line.value;
    }
  }
  return std::nullopt;
}

bool SameSurvey(const ProfileSurvey& a, const ProfileSurvey& b) {
  const auto sameLine = [](const ProfileLine& x, const ProfileLine& y) {
    return x.number == y.number && x.kind == y.kind && x.name == y.name && x.value == y.value &&
           x.valueCut == y.valueCut && x.stoppedAtNul == y.stoppedAtNul;
  };
  return a.encoding == b.encoding && a.firstOddLine == b.firstOddLine && a.strayBytes == b.strayBytes &&
         std::equal(a.lines.begin(), a.lines.end(), b.lines.begin(), b.lines.end(), sameLine);
}

// The file cut where the input chooses, and into single bytes, reads as it
// does whole: the same lines, the same answer, the same text.
void CheckPiecesDoNotMatter(std::string_view input, const ProfileSurvey& whole, const std::string& section,
                            const std::string& key, const std::optional<std::string>& answer) {
  const std::size_t cut = input.empty() ? 1 : 1 + static_cast<unsigned char>(input[0]) * input.size() / 256;
  std::optional<std::string> wholeText;
  for (const std::size_t piece : {std::max<std::size_t>(input.size(), 1), cut, std::size_t{1}}) {
    const ByteSource bytes = InPieces(input, piece);
    const std::optional<ProfileSurvey> surveyed = SurveyProfile(bytes);
    Require(surveyed && SameSurvey(*surveyed, whole), "the same lines for a file read in pieces");
    Require(LookUpProfileValue(bytes, section, key) == answer, "the same answer for a file read in pieces");
    std::string decoded;
    TextDecoder decoder(bytes, whole.encoding == FileEncoding::Windows1252 ? FileEncoding::Windows1252
                                                                                       : FileEncoding::Utf8);
    for (std::string_view next = decoder.Next(); !next.empty(); next = decoder.Next()) decoded += next;
    if (!wholeText) wholeText = decoded;
    Require(decoded == *wholeText, "the same text for a file read in pieces");
    Require(Utf8WellFormedLength(decoded) == decoded.size(), "text that is UTF-8");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile file;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  file.Write(input);

  const auto [section, key] = RequestedNames(input);
  constexpr const char* kMissing = "<missing>";
  const std::string answer = ReadProfileString(file.Path(), section, key, kMissing);
  if (answer != kMissing) RequireSoundText(answer);

  const std::optional<ProfileSurvey> survey = SurveyProfileFile(file.Path());
  Require(survey.has_value(), "a regular file can be surveyed");
  const std::optional<std::string> surveyed = LookUpInSurvey(*survey, section, key);
  Require(answer == surveyed.value_or(kMissing), "a request that finds what the survey finds");
  CheckPiecesDoNotMatter(input, *survey, section, key, surveyed);

  RequireSoundText(ReadProfileString(file.Path(), "Overzicht", "Aantal", ""));
  Require(ReadProfileString(file.Path(), "no\nsection", "k", "fallback") == "fallback",
          "the fallback for a section no file can hold");

  const unsigned millisecond = static_cast<unsigned>(size * 7919U % 86400000U);
  const ScopedClockSource clock([millisecond] {
    return TimeOfDay{0, 0, static_cast<int>(millisecond / 1000), static_cast<int>(millisecond % 1000)};
  });
  const QuizQuestion question = QuestionBank(file.Path()).DrawQuestion();
  for (const std::string* text : {&question.Question, &question.Correct, &question.WrongA, &question.WrongB}) {
    RequireSoundText(*text);
  }
  return 0;
}
