// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include "base/Text.h"
#include "base/Utf8.h"
#include "game/RegularFile.h"

namespace {

// The lookup over the lines, up to its answer: the first entry of the key
// under the first header of the section.
std::optional<std::string> LookUp(ProfileLines& lines, std::string_view section, std::string_view key) {
  bool inSection = false;
  while (const ProfileLine* line = inSection ? lines.Next() : lines.NextHeader(section)) {
    if (line->kind == ProfileLine::Kind::Header) {
      if (inSection) return std::nullopt;  // only the first section of the name counts
      inSection = EqualsIgnoringAsciiCase(line->name, section);
    } else if (inSection && line->kind == ProfileLine::Kind::Entry && EqualsIgnoringAsciiCase(line->name, key)) {
      return line->value;
    }
  }
  return std::nullopt;
}

ProfileBytes BytesOf(RegularFile& file) {
  return {.read = [&file](std::span<char> buffer) { return file.Read(buffer); },
          .rewind = [&file] { return file.Rewind(); }};
}

}  // namespace

std::optional<std::string> LookUpProfileValue(const ProfileBytes& bytes, std::string_view section,
                                              std::string_view key) {
  if (section.size() > ProfileLines::kMaxValueBytes || key.size() > ProfileLines::kMaxValueBytes) return {};
  for (const FileEncoding unmarked : {FileEncoding::Utf8, FileEncoding::Windows1252}) {
    TextDecoder text(bytes.read, unmarked, TextDecoder::Utf8Check::Skip);
    ProfileLines lines(text);
    std::optional<std::string> value = LookUp(lines, section, key);
    if (text.Failed()) return {};
    // Where lines, headers and entries begin, and names and values of
    // ASCII, read the same in UTF-8 as in Windows-1252. Anything else read
    // from a file without a mark as UTF-8 holds only if all of it is, which
    // takes another look at every byte.
    const bool ascii = IsAscii(section) && IsAscii(key) && (!value || IsAscii(*value));
    if (text.Encoding() != FileEncoding::Utf8 || ascii) return value;
    if (!bytes.rewind()) return {};
    TextDecoder check(bytes.read, FileEncoding::Utf8);
    const FileEncoding encoding = check.Settle();
    if (check.Failed()) return {};
    if (encoding == FileEncoding::Utf8) return value;
    if (!bytes.rewind()) return {};
  }
  return {};
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  RegularFile regularFile(file);
  if (!regularFile.IsOpen()) return std::string(fallback);
  return LookUpProfileValue(BytesOf(regularFile), section, key).value_or(std::string(fallback));
}

std::optional<ProfileSurvey> SurveyProfile(const ProfileBytes& bytes) {
  ProfileSurvey survey;
  for (const FileEncoding unmarked : {FileEncoding::Utf8, FileEncoding::Windows1252}) {
    TextDecoder text(bytes.read, unmarked);
    ProfileLines lines(text);
    survey.lines.clear();
    while (const ProfileLine* line = lines.Next()) {
      survey.lines.push_back(*line);
      const std::optional<std::uint64_t> odd = text.FirstOddByte();
      if (survey.firstOddLine == 0 && odd && *odd < lines.TextOffset()) survey.firstOddLine = line->number;
    }
    if (text.Failed()) return std::nullopt;
    if (unmarked == FileEncoding::Windows1252) break;
    survey.encoding = text.Encoding();
    survey.strayBytes = text.StrayBytes();
    // Read as UTF-8, a file that is not was split into lines all the same,
    // since line ends are ASCII in both: its odd byte's line stands.
    if (survey.encoding != FileEncoding::Windows1252) break;
    if (!bytes.rewind()) return std::nullopt;
  }
  return survey;
}

std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& file) {
  RegularFile regularFile(file);
  if (!regularFile.IsOpen()) return std::nullopt;
  return SurveyProfile(BytesOf(regularFile));
}
