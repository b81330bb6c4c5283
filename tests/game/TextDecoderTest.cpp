// SPDX-License-Identifier: MIT
#include "game/TextDecoder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/game/Utf16Bytes.h"

namespace {

using namespace std::literals;

struct DecodeCase {
  const char* behaviour;
  std::string bytes;
  FileEncoding unmarked;
  FileEncoding encoding;
  std::string text;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.behaviour; }

std::string Decode(const DecodeCase& c, std::size_t split, FileEncoding* encoding) {
  std::string text;
  TextDecoder decoder(c.unmarked, [&text](std::string_view piece) { text += piece; });
  decoder.Feed(std::string_view(c.bytes).substr(0, split));
  decoder.Feed(std::string_view(c.bytes).substr(split));
  decoder.Finish();
  *encoding = decoder.Encoding();
  return text;
}

class TextDecoderTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(TextDecoderTest, GivesTheSameTextWhereverTheFileIsCut) {
  const DecodeCase& c = GetParam();
  for (std::size_t split = 0; split <= c.bytes.size(); ++split) {
    FileEncoding encoding{};
    EXPECT_EQ(Decode(c, split, &encoding), c.text) << "split at " << split;
    EXPECT_EQ(encoding, c.encoding) << "split at " << split;
  }
}

constexpr FileEncoding kUtf8 = FileEncoding::Utf8;
constexpr FileEncoding k1252 = FileEncoding::Windows1252;
constexpr FileEncoding kMarked = FileEncoding::Utf8WithMark;
constexpr FileEncoding kLe = FileEncoding::Utf16LittleEndian;
constexpr FileEncoding kBe = FileEncoding::Utf16BigEndian;

INSTANTIATE_TEST_SUITE_P(
    Files, TextDecoderTest,
    testing::Values(
        DecodeCase{"EmptyFile", "", kUtf8, kUtf8, ""},
        DecodeCase{"UnmarkedUtf8PassesThrough", "k=caf\xC3\xA9", kUtf8, kUtf8, "k=caf\xC3\xA9"},
        DecodeCase{"UnmarkedOtherBytesShowTheFileIsNotUtf8", "k=caf\xE9", kUtf8, k1252, "k=caf\xE9"},
        DecodeCase{"UnmarkedReadAsCodePage", "k=caf\xE9 \x80", k1252, k1252, "k=caf\xC3\xA9 \xE2\x82\xAC"},
        DecodeCase{"StartOfAMarkAloneIsText", "\xEF\xBB", k1252, k1252, "\xC3\xAF\xC2\xBB"},
        DecodeCase{"Utf8MarkIsDropped", "\xEF\xBB\xBF[s]", k1252, kMarked, "[s]"},
        DecodeCase{"MarkedUtf8ReadsAStrayByteAlone", "\xEF\xBB\xBF" "caf\xC3\xA9 caf\xE9", kUtf8, kMarked,
                   "caf\xC3\xA9 caf\xC3\xA9"},
        DecodeCase{"MarkedUtf8BrokenSequenceStandsAlone", "\xEF\xBB\xBF\xE2\x82" "A\xC3", kUtf8, kMarked,
                   "\xC3\xA2\xE2\x80\x9A" "A\xC3\x83"},
        DecodeCase{"MarkedUtf8OverlongIsTwoStrayBytes", "\xEF\xBB\xBF\xC0\xAF", kUtf8, kMarked, "\xC3\x80\xC2\xAF"},
        DecodeCase{"Utf16LittleEndian", Utf16(u"[s]\r\nk=caf\u00E9 \u20AC", true), kUtf8, kLe,
                   "[s]\r\nk=caf\xC3\xA9 \xE2\x82\xAC"},
        DecodeCase{"Utf16BigEndian", Utf16(u"k=caf\u00E9", false), kUtf8, kBe, "k=caf\xC3\xA9"},
        DecodeCase{"Utf16SurrogatePair", Utf16(u"\U0001F600", true), kUtf8, kLe, "\xF0\x9F\x98\x80"},
        DecodeCase{"Utf16LoneSurrogatesAreReplaced", Utf16(std::u16string{0xD83D, u'a', 0xDE00}, true), kUtf8, kLe,
                   "\xEF\xBF\xBD" "a\xEF\xBF\xBD"},
        DecodeCase{"Utf16OddLastByteIsReplaced", Utf16(u"a", false) + "\x00"s, kUtf8, kBe, "a\xEF\xBF\xBD"},
        DecodeCase{"Utf16NulStaysNul", Utf16(u"a\0b"sv, true), kUtf8, kLe, "a\0b"s},
        DecodeCase{"CtrlZAtTheEndIsNoText", "k=Neon\x1A", kUtf8, kUtf8, "k=Neon"},
        DecodeCase{"SeveralCtrlZAtTheEnd", "k=Neon\r\n\x1A\x1A", k1252, k1252, "k=Neon\r\n"},
        DecodeCase{"CtrlZBeforeMoreTextIsText", "a\x1A\x1A" "b", kUtf8, kUtf8, "a\x1A\x1A" "b"},
        DecodeCase{"CtrlZAtTheEndOfUtf16", Utf16(u"Neon\x1A", true), kUtf8, kLe, "Neon"},
        DecodeCase{"CtrlZAtTheEndOfMarkedUtf8", "\xEF\xBB\xBF" "a\xE9\x1A", kUtf8, kMarked, "a\xC3\xA9"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.behaviour); });

TEST(TextDecoderTest, TellsWhereAFileStopsBeingUtf8) {
  TextDecoder decoder(FileEncoding::Utf8, [](std::string_view) {});
  decoder.Feed("[s]\nk=caf\xC3\xA9\n");
  decoder.Feed("x=\xE2\x82" "A");
  decoder.Finish();
  EXPECT_EQ(decoder.Encoding(), FileEncoding::Windows1252);
  EXPECT_EQ(decoder.FirstNonUtf8Byte(), 14U);
}

TEST(TextDecoderTest, CountsTheStrayBytesOfAMarkedUtf8File) {
  TextDecoder decoder(FileEncoding::Utf8, [](std::string_view) {});
  decoder.Feed("\xEF\xBB\xBF" "ok \xC3\xA9\n");
  decoder.Feed("caf\xE9 \xE2\x82");
  decoder.Finish();
  EXPECT_EQ(decoder.StrayBytes(), 3U);
  EXPECT_EQ(decoder.FirstStrayByte(), 12U);
}

}  // namespace
