// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the question bank as the file vragen.ini and
// checks what must hold for any file: no crash, no hang, no unbounded
// memory (the sanitizers and libFuzzer's limits watch those), text that is
// always well-formed UTF-8 and never longer than a cut value can be, a scan
// whose answer does not depend on how the file is cut into pieces, a line
// survey that finds what a lookup finds, and a reader that answers as a
// reading of the whole file at once would.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Text.h"
#include "game/ProfileReader.h"
#include "game/ProfileScanner.h"
#include "game/QuestionBank.h"
#include "game/TextDecoder.h"
#include "game/Utf8Validator.h"

namespace {

constexpr std::size_t kLongestValue = ProfileScanner::kMaxValueBytes;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

bool IsUtf8(std::string_view text) {
  Utf8Validator validator;
  validator.Feed(text);
  validator.Finish();
  return validator.Valid();
}

void RequireSoundText(const std::string& text) {
  Require(IsUtf8(text), "a value that is not UTF-8");
  Require(text.size() <= kLongestValue, "a value longer than a cut value can be");
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

void CheckScanIgnoresPieces(std::string_view input, const std::string& section, const std::string& key) {
  ProfileScanner whole(section, key);
  whole.Feed(input);
  whole.Finish();

  // Cut at a place the input chooses, and again into single bytes.
  const std::size_t cut = input.empty() ? 0 : static_cast<unsigned char>(input[0]) * input.size() / 256;
  ProfileScanner halves(section, key);
  halves.Feed(input.substr(0, cut));
  halves.Feed(input.substr(cut));
  halves.Finish();
  Require(halves.Value() == whole.Value(), "the same answer for a file cut in two");

  ProfileScanner bytes(section, key);
  for (const char c : input) bytes.Feed(std::string_view(&c, 1));
  bytes.Finish();
  Require(bytes.Value() == whole.Value(), "the same answer for a file fed byte by byte");

  if (whole.Value()) Require(whole.Value()->size() <= ProfileScanner::kMaxValueBytes, "a value cut to 2047 bytes");
  Require(whole.HeldBytes() <= 2 * (ProfileScanner::kMaxValueBytes + 1) + section.size() + key.size(),
          "bounded memory in the scanner");
}

// The whole input decoded at once, in the encoding a request settles on.
std::string DecodedAtOnce(std::string_view input) {
  std::string text;
  TextDecoder probe(FileEncoding::Utf8, [&text](std::string_view piece) { text += piece; });
  probe.Feed(input);
  probe.Finish();
  if (probe.Encoding() != FileEncoding::Windows1252) return text;
  text.clear();
  TextDecoder codePage(FileEncoding::Windows1252, [&text](std::string_view piece) { text += piece; });
  codePage.Feed(input);
  codePage.Finish();
  return text;
}

// What a tool that reads every line finds for the request: the first
// entry of the key under the first header of the section.
std::optional<std::string> SurveyAnswer(std::string_view text, const std::string& section, const std::string& key) {
  enum class Place { Before, Inside, Past } place = Place::Before;
  std::optional<std::string> answer;
  ProfileScanner survey([&](const ProfileLine& line) {
    if (place == Place::Past || answer) return;
    if (line.kind == ProfileLine::Kind::Header) {
      if (place == Place::Inside) place = Place::Past;
      else if (EqualsIgnoringAsciiCase(line.name, section)) place = Place::Inside;
    } else if (line.kind == ProfileLine::Kind::Entry && place == Place::Inside && EqualsIgnoringAsciiCase(line.name, key)) {
      answer = line.value;
    }
  });
  survey.Feed(text);
  survey.Finish();
  return answer;
}

// The reader reads the file in pieces and stops as early as it can; its
// answer must still be that of the whole file decoded at once, and a survey
// of every line must find the same.
void CheckReaderAnswersForTheWholeFile(const ProfileReader& reader, std::string_view input,
                                       const std::string& section, const std::string& key) {
  const std::string text = DecodedAtOnce(input);
  ProfileScanner scanner(section, key);
  scanner.Feed(text);
  scanner.Finish();
  Require(SurveyAnswer(text, section, key) == scanner.Value(), "a survey that finds what a lookup finds");
  constexpr const char* kMissing = "<missing>";
  const std::string expected = scanner.Value().value_or(kMissing);
  Require(reader.ReadString(section, key, kMissing) == expected, "the answer of the whole file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile file;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  file.Write(input);

  const auto [section, key] = RequestedNames(input);
  CheckScanIgnoresPieces(input, section, key);

  const ProfileReader reader(file.Path());
  RequireSoundText(reader.ReadString(section, key, ""));
  CheckReaderAnswersForTheWholeFile(reader, input, section, key);
  RequireSoundText(reader.ReadString("Overzicht", "Aantal", ""));
  Require(reader.ReadString("no\nsection", "k", "fallback") == "fallback",
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
