// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include <memory>
#include <utility>

#include "game/RegularFile.h"
#include "game/TextEncoding.h"

namespace {

// The read buffer of one request. Every byte of it is written once, so the
// request's memory is the same for a tiny file as for a huge one.
std::unique_ptr<char[]> ReadBuffer() { return std::make_unique<char[]>(ProfileReader::kReadBufferBytes); }

struct Search {
  bool readable = true;
  FileEncoding encoding = FileEncoding::Utf8;
  std::optional<std::string> value;
};

// Runs the decoder and the scanner over the file, reading a file without a
// mark as `unmarked`, and stops once the scanner has its answer; with a
// watched UTF-8 check, only once the rest of the file can no longer change
// it, or at the first byte that shows the file is not UTF-8.
Search Scan(RegularFile& file, std::string_view section, std::string_view key, FileEncoding unmarked,
            TextDecoder::Utf8Check check) {
  ProfileScanner scanner(section, key);
  TextDecoder decoder(unmarked, [&scanner](std::string_view text) { scanner.Feed(text); }, check);
  const std::unique_ptr<char[]> buffer = ReadBuffer();
  const bool watched = unmarked == FileEncoding::Utf8 && check == TextDecoder::Utf8Check::Watch;
  // The count of questions stands near the top of most files, so the first
  // piece is small.
  std::size_t pieceBytes = ProfileReader::kFirstReadBytes;
  while (true) {
    const std::optional<std::size_t> count = file.Read({buffer.get(), pieceBytes});
    pieceBytes = ProfileReader::kReadBufferBytes;
    if (!count) return {.readable = false, .encoding = decoder.Encoding(), .value = std::nullopt};
    if (*count == 0) {
      decoder.Finish();
      scanner.Finish();
      break;
    }
    decoder.Feed({buffer.get(), *count});
    if (!decoder.MarkSettled()) continue;
    const FileEncoding encoding = decoder.Encoding();
    if (watched && encoding == FileEncoding::Windows1252) break;
    if (scanner.Done() && (!watched || encoding != FileEncoding::Utf8)) break;
  }
  return {.readable = true, .encoding = decoder.Encoding(), .value = scanner.Value()};
}

// Whether all of a file without a mark is UTF-8; false also when it cannot
// be read.
bool WholeFileIsUtf8(RegularFile& file) {
  if (!file.Rewind()) return false;
  TextDecoder decoder(FileEncoding::Utf8, [](std::string_view) {});
  const std::unique_ptr<char[]> buffer = ReadBuffer();
  while (true) {
    const std::optional<std::size_t> count = file.Read({buffer.get(), ProfileReader::kReadBufferBytes});
    if (!count) return false;
    if (*count == 0) break;
    decoder.Feed({buffer.get(), *count});
    if (decoder.Encoding() == FileEncoding::Windows1252) return false;
  }
  decoder.Finish();
  return decoder.Encoding() == FileEncoding::Utf8;
}

// The answer of a file without a mark, found in one pass while taking it
// for UTF-8 unchecked. Names and values made of ASCII read the same in
// either encoding, and line ends and brackets are ASCII in both, so only a
// value that is not ASCII needs the whole file to say how it reads.
std::optional<Search> SettleUnmarkedValue(RegularFile& file, std::string_view section, std::string_view key,
                                          Search search) {
  if (search.encoding != FileEncoding::Utf8 || !search.value || IsAscii(*search.value)) return search;
  if (WholeFileIsUtf8(file)) return search;
  if (!file.Rewind()) return std::nullopt;
  return Scan(file, section, key, FileEncoding::Windows1252, TextDecoder::Utf8Check::Skip);
}

}  // namespace

ProfileReader::ProfileReader(std::filesystem::path file) : file_(std::move(file)) {}

std::string ProfileReader::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
  RegularFile file(file_);
  if (!file.IsOpen()) return std::string(fallback);

  std::optional<Search> search;
  if (IsAscii(section) && IsAscii(key)) {
    search = SettleUnmarkedValue(file, section, key,
                                 Scan(file, section, key, FileEncoding::Utf8, TextDecoder::Utf8Check::Skip));
  } else {
    // Names that are not ASCII were compared as UTF-8, which holds only if
    // all of the file is; a file that is not is read again as Windows-1252.
    search = Scan(file, section, key, FileEncoding::Utf8, TextDecoder::Utf8Check::Watch);
    if (search->readable && search->encoding == FileEncoding::Windows1252) {
      if (!file.Rewind()) return std::string(fallback);
      search = Scan(file, section, key, FileEncoding::Windows1252, TextDecoder::Utf8Check::Skip);
    }
  }
  if (!search || !search->readable || !search->value) return std::string(fallback);
  return std::move(*search->value);
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  return ProfileReader(file).ReadString(section, key, fallback);
}

namespace {

// Feeds all of the file through a decoder; false when it cannot be read.
bool DecodeWholeFile(RegularFile& file, TextDecoder& decoder) {
  const std::unique_ptr<char[]> buffer = ReadBuffer();
  while (true) {
    const std::optional<std::size_t> count = file.Read({buffer.get(), ProfileReader::kReadBufferBytes});
    if (!count) return false;
    if (*count == 0) break;
    decoder.Feed({buffer.get(), *count});
  }
  decoder.Finish();
  return true;
}

}  // namespace

std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& path,
                                               const ProfileScanner::LineHandler& handler) {
  RegularFile file(path);
  if (!file.IsOpen()) return std::nullopt;
  TextDecoder probe(FileEncoding::Utf8, [](std::string_view) {});
  if (!DecodeWholeFile(file, probe)) return std::nullopt;
  ProfileSurvey survey{.encoding = probe.Encoding()};
  if (survey.encoding == FileEncoding::Windows1252) survey.firstOddByte = probe.FirstNonUtf8Byte();
  if (survey.encoding == FileEncoding::Utf8WithMark) {
    survey.firstOddByte = probe.FirstStrayByte();
    survey.strayBytes = probe.StrayBytes();
  }

  if (!file.Rewind()) return std::nullopt;
  ProfileScanner scanner(handler);
  const FileEncoding unmarked =
      survey.encoding == FileEncoding::Windows1252 ? FileEncoding::Windows1252 : FileEncoding::Utf8;
  TextDecoder decoder(unmarked, [&scanner](std::string_view text) { scanner.Feed(text); });
  if (!DecodeWholeFile(file, decoder)) return std::nullopt;
  scanner.Finish();
  return survey;
}
