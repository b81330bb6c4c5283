// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include <array>
#include <optional>
#include <utility>

#include "game/ProfileScanner.h"
#include "game/RegularFile.h"
#include "game/TextEncoding.h"
#include "game/Utf8Validator.h"

namespace {

struct Search {
  bool readable = true;
  // Whether the file was well-formed UTF-8 as far as it had to be read.
  bool utf8 = true;
  std::optional<std::string> value;
};

// Runs the scanner over the file and checks the file's encoding on the way.
// When `onlyIfUtf8`, the scanner compared names that read otherwise in the
// code page, so its answer holds only if all of the file is UTF-8: the
// search gives up at the first byte that is not, and otherwise reads to the
// end. Else it stops once the answer is found and the encoding no longer
// matters to it: the file has shown it is not UTF-8, or there is no value,
// or the value is ASCII and reads alike either way.
Search Scan(RegularFile& file, ProfileScanner& scanner, bool onlyIfUtf8) {
  std::array<char, ProfileReader::kReadBufferBytes> buffer{};
  Utf8Validator validator;
  while (true) {
    const std::optional<std::size_t> count = file.Read(buffer);
    if (!count) return {.readable = false, .utf8 = false, .value = std::nullopt};
    if (*count == 0) {
      validator.Finish();
      scanner.Finish();
      break;
    }
    const std::string_view bytes(buffer.data(), *count);
    validator.Feed(bytes);
    scanner.Feed(bytes);
    if (!validator.Valid() && onlyIfUtf8) return {.readable = true, .utf8 = false, .value = std::nullopt};
    const bool encodingDecided =
        !validator.Valid() || (!onlyIfUtf8 && (!scanner.Value() || IsAscii(*scanner.Value())));
    if (scanner.Done() && encodingDecided) break;
  }
  return {.readable = true, .utf8 = validator.Valid(), .value = scanner.Value()};
}

}  // namespace

ProfileReader::ProfileReader(std::filesystem::path file) : file_(std::move(file)) {}

std::string ProfileReader::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
  RegularFile file(file_);
  if (!file.IsOpen()) return std::string(fallback);

  // Names made of ASCII read the same in both encodings, so one pass finds
  // them whatever the file turns out to be. Other names are compared as
  // UTF-8 first and, if the file is not UTF-8, looked for again as
  // Windows-1252.
  const bool asciiNames = IsAscii(section) && IsAscii(key);
  ProfileScanner utf8Scanner(section, key, ProfileScanner::NameEncoding::Utf8);
  Search search = Scan(file, utf8Scanner, !asciiNames);
  if (search.readable && !search.utf8 && !asciiNames) {
    if (!file.Rewind()) return std::string(fallback);
    ProfileScanner codePageScanner(section, key, ProfileScanner::NameEncoding::Windows1252);
    search = Scan(file, codePageScanner, false);
    search.utf8 = false;
  }

  if (!search.readable || !search.value) return std::string(fallback);
  if (search.utf8) return std::string(WithoutIncompleteUtf8Tail(*search.value));
  return Windows1252ToUtf8(*search.value);
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  return ProfileReader(file).ReadString(section, key, fallback);
}
