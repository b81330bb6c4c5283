// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include "base/Text.h"
#include "base/Utf8.h"
#include "game/RegularFile.h"

namespace {

// The first entry of the key under the first header of the section.
std::optional<std::string> LookUp(ProfileLines& lines, std::string_view section, std::string_view key) {
  bool inSection = false;
  while (const ProfileLine* line = inSection ? lines.Next() : lines.NextHeader(section)) {
    if (line->kind == ProfileLine::Kind::Header) {
      if (inSection) return std::nullopt;
      inSection = EqualsIgnoringAsciiCase(line->name, section);
    } else if (inSection && line->kind == ProfileLine::Kind::Entry && EqualsIgnoringAsciiCase(line->name, key)) {
      return line->value;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> LookUpProfileValue(const ByteSource& file, std::string_view section, std::string_view key) {
  if (section.size() > ProfileLines::kMaxValueBytes || key.size() > ProfileLines::kMaxValueBytes) return {};
  TextDecoder text(file, FileEncoding::Utf8, TextDecoder::Utf8Check::Skip);
  ProfileLines lines(text);
  const std::optional<std::string> value = LookUp(lines, section, key);
  if (text.Failed()) return {};
  // Where lines, headers and entries begin, and names and values of ASCII,
  // read the same in UTF-8 as in Windows-1252. Anything else read from a
  // file without a mark holds only if all of the file is UTF-8, which takes
  // a look at every byte.
  const bool ascii = IsAscii(section) && IsAscii(key) && (!value || IsAscii(*value));
  if (ascii || text.Encoding() != FileEncoding::Utf8) return value;
  TextDecoder check(file, FileEncoding::Utf8);
  while (check.Encoding() == FileEncoding::Utf8 && !check.Next().empty()) {
  }
  if (check.Encoding() == FileEncoding::Utf8) return check.Failed() ? std::nullopt : value;
  TextDecoder codePage(file, FileEncoding::Windows1252);
  ProfileLines codePageLines(codePage);
  const std::optional<std::string> codePageValue = LookUp(codePageLines, section, key);
  return codePage.Failed() ? std::nullopt : codePageValue;
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const std::optional<ByteSource> bytes = OpenRegularFile(file);
  if (!bytes) return std::string(fallback);
  return LookUpProfileValue(*bytes, section, key).value_or(std::string(fallback));
}

std::optional<ProfileSurvey> SurveyProfile(const ByteSource& file) {
  ProfileSurvey survey;
  TextDecoder text(file, FileEncoding::Utf8);
  ProfileLines lines(text);
  while (const ProfileLine* line = lines.Next()) {
    survey.lines.push_back(*line);
    const std::optional<std::uint64_t> odd = text.FirstOddByte();
    if (survey.firstOddLine == 0 && odd && *odd < lines.TextOffset()) survey.firstOddLine = line->number;
  }
  survey.encoding = text.Encoding();
  survey.strayBytes = text.StrayBytes();
  if (survey.encoding == FileEncoding::Windows1252) {
    // Line ends are ASCII in both encodings, so the odd byte's line stands.
    TextDecoder codePage(file, FileEncoding::Windows1252);
    ProfileLines codePageLines(codePage);
    survey.lines.clear();
    while (const ProfileLine* line = codePageLines.Next()) survey.lines.push_back(*line);
    if (codePage.Failed()) return std::nullopt;
  }
  if (text.Failed()) return std::nullopt;
  return survey;
}

std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& file) {
  const std::optional<ByteSource> bytes = OpenRegularFile(file);
  return bytes ? SurveyProfile(*bytes) : std::nullopt;
}
