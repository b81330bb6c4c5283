// SPDX-License-Identifier: MIT
#include "ui/qt/Text.h"

#include <array>

#include <QStringDecoder>

#include "ui/Caption.h"

namespace ui::qt {
namespace {

// windows-1252 at 0x80..0x9F; 0 marks the five unassigned bytes, which are
// taken as the control characters of the same number.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString FromAnsi(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    const char16_t mapped = (code >= 0x80 && code < 0xA0) ? kCp1252High[code - 0x80] : 0;
    result += QChar(mapped ? mapped : char16_t{code});
  }
  return result;
}

}  // namespace

QString ToQString(std::string_view text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return decoder.hasError() ? FromAnsi(text) : decoded;
}

std::optional<char> ToAnsiChar(QChar character) {
  const char16_t code = character.unicode();
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == code) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

QString MnemonicText(std::string_view caption) {
  const CaptionText parsed = ParseCaption(caption);
  const std::string_view text = parsed.Text;
  auto escaped = [](std::string_view part) { return ToQString(part).replace(u'&', QStringLiteral("&&")); };
  if (!parsed.AccessIndex) return escaped(text);
  const std::size_t at = *parsed.AccessIndex;
  return escaped(text.substr(0, at)) + u'&' + escaped(text.substr(at, parsed.AccessLength)) +
         escaped(text.substr(at + parsed.AccessLength));
}

QString WindowTitleText(std::string_view title) {
  return ToQString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace ui::qt
