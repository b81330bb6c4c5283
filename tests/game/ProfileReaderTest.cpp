// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>

#include "tests/game/TempFolder.h"
#include "tests/game/Utf16Bytes.h"

namespace {

using namespace std::string_literals;

constexpr const char* kFallback = "<fallback>";

// One request on a small file written by the test.
struct ReadCase {
  const char* behaviour;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.behaviour; }

std::string CaseName(const testing::TestParamInfo<ReadCase>& info) { return info.param.behaviour; }

class ProfileReaderCaseTest : public testing::TestWithParam<ReadCase> {
 protected:
  TempFolder folder_;
};

TEST_P(ProfileReaderCaseTest, ReadsTheValueTheRulesGive) {
  const ReadCase& c = GetParam();
  const auto file = folder_.Write("test.ini", c.file);
  EXPECT_EQ(ReadProfileString(file, c.section, c.key, kFallback), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Names, ProfileReaderCaseTest, testing::Values(
    ReadCase{"SectionNameIgnoresAsciiCase", "[OVERZICHT]\nAantal=5\n", "Overzicht", "Aantal", "5"},
    ReadCase{"KeyNameIgnoresAsciiCase", "[1]\nVRAAG=a\nvraag=b\n", "1", "Vraag", "a"},
    ReadCase{"CaseOfOtherLettersCounts", "[\xC3\x9C]\nk=1\n", "\xC3\xBC", "k", kFallback},
    ReadCase{"BlanksAroundKeyAreNotPartOfIt", "[s]\n \t k \t=1\n", "s", "k", "1"},
    ReadCase{"BlanksInsideBracketsAreNotPartOfTheSection", "  [ \t s \t ]\nk=1\n", "s", "k", "1"},
    ReadCase{"BlanksWithinANameCount", "[Over zicht]\nAantal=5\n", "Overzicht", "Aantal", kFallback},
    ReadCase{"SectionNameEndsAtTheLastBracket", "[a]b]\nk=1\n", "a]b", "k", "1"},
    ReadCase{"NameStartingLikeTheSectionIsAnother", "[a]b]\nk=1\n[ A ]\nk=2\n", "a", "k", "2"},
    ReadCase{"TextAfterTheSectionIsIgnored", "[1] ; the first one\nk=1\n", "1", "k", "1"},
    ReadCase{"LeadingZerosMakeADifferentSection", "[01]\nVraag=a\n", "1", "Vraag", kFallback},
    ReadCase{"LongerSectionNameDoesNotMatchItsPrefix", "[sss]\nk=1\n", "ss", "k", kFallback},
    ReadCase{"LongerKeyNameDoesNotMatchItsPrefix", "[s]\nkey=1\n", "s", "ke", kFallback},
    ReadCase{"BracketWithoutCloseIsNoHeader", "[s]\n[unclosed\nk=1\n", "s", "k", "1"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Values, ProfileReaderCaseTest, testing::Values(
    ReadCase{"SurroundingBlanksAreTrimmed", "[s]\nk= \t spaced value \t \n", "s", "k", "spaced value"},
    ReadCase{"DoubleQuotesAreRemoved", "[s]\nk=\"quoted\"\n", "s", "k", "quoted"},
    ReadCase{"SingleQuotesAreRemoved", "[s]\nk='quoted'\n", "s", "k", "quoted"},
    ReadCase{"BlanksInsideQuotesStay", "[s]\nk=  \" padded \"  \n", "s", "k", " padded "},
    ReadCase{"MismatchedQuotesStay", "[s]\nk=\"mixed'\n", "s", "k", "\"mixed'"},
    ReadCase{"ALoneQuoteStays", "[s]\nk=\"\n", "s", "k", "\""},
    ReadCase{"EmptyQuotesGiveEmptyText", "[s]\nk=\"\"\n", "s", "k", ""},
    ReadCase{"OnlyOnePairIsRemoved", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
    ReadCase{"QuotesInsideStay", "[s]\nk=\"a\"b\"\n", "s", "k", "a\"b"},
    ReadCase{"OpeningQuoteAloneStays", "[s]\nk=\"open\n", "s", "k", "\"open"},
    ReadCase{"NoEscapes", "[s]\nk=a\\nb\\\"\n", "s", "k", "a\\nb\\\""},
    ReadCase{"NoInlineComments", "[s]\nk=a ; b # c\n", "s", "k", "a ; b # c"},
    ReadCase{"LaterEqualsSignsBelongToTheValue", "[s]\nk=a=b\n", "s", "k", "a=b"},
    ReadCase{"EmptyValueIsNotTheFallback", "[s]\nk=\n", "s", "k", ""},
    ReadCase{"BlankValueIsEmpty", "[s]\nk= \t \n", "s", "k", ""},
    ReadCase{"OtherWhitespaceIsText", "[s]\nk=\va\f\n", "s", "k", "\va\f"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Repeats, ProfileReaderCaseTest, testing::Values(
    ReadCase{"FirstKeyWins", "[s]\nk=1\nk=2\n", "s", "k", "1"},
    ReadCase{"FirstSectionWins", "[s]\nk=1\n[s]\nk=2\n", "s", "k", "1"},
    ReadCase{"OnlyTheFirstSectionIsSearched", "[s]\nx=1\n[S]\nk=2\n", "s", "k", kFallback},
    ReadCase{"KeysOfOtherSectionsDoNotCount", "[a]\nk=1\n[b]\nj=2\n", "b", "k", kFallback},
    ReadCase{"KeysBeforeAnySectionDoNotCount", "k=1\n[s]\nj=2\n", "s", "k", kFallback},
    ReadCase{"LaterSectionIsFound", "[a]\nk=1\n[b]\nk=2\n", "b", "k", "2"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(IgnoredLines, ProfileReaderCaseTest, testing::Values(
    ReadCase{"SemicolonCommentsAreSkipped", "[s]\n;k=1\n k=2\n", "s", "k", "2"},
    ReadCase{"HashCommentsAreSkipped", "[s]\n#k=1\nk=2\n", "s", "k", "2"},
    ReadCase{"StrayTextIsSkipped", "[s]\nnot an entry\n\n\nk=2\n", "s", "k", "2"},
    ReadCase{"CommentedHeaderIsNoHeader", "[s]\n;[t]\nk=2\n", "s", "k", "2"},
    ReadCase{"EmptyFileHasNothing", "", "s", "k", kFallback}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(LineEnds, ProfileReaderCaseTest, testing::Values(
    ReadCase{"CrLf", "[s]\r\nk=1\r\n", "s", "k", "1"},
    ReadCase{"LoneCr", "[a]\rk=0\r[s]\rk=1\r", "s", "k", "1"},
    ReadCase{"Mixed", "[a]\r\nk=0\r[s]\nk=1\r\n", "s", "k", "1"},
    ReadCase{"NoLineEndAtTheEnd", "[s]\nk=last", "s", "k", "last"},
    ReadCase{"HeaderWithoutLineEndAtTheEnd", "[s]\nk=1\n[t]", "s", "k", "1"},
    ReadCase{"ByteOrderMarkIsSkipped", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "1"},
    ReadCase{"ByteOrderMarkLaterIsText", "[s]\nk=\xEF\xBB\xBFx\n", "s", "k", "\xEF\xBB\xBFx"},
    ReadCase{"StartOfAByteOrderMarkIsText", "\xEF\xBB", "s", "k", kFallback}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(NulBytes, ProfileReaderCaseTest, testing::Values(
    ReadCase{"NulEndsTheValue", "[s]\nk=ab\0cd\n"s, "s", "k", "ab"},
    ReadCase{"NulEndsTheValueBeforeTrimming", "[s]\nk=ab \0 cd\n"s, "s", "k", "ab"},
    ReadCase{"NulLeavesAnOpenQuote", "[s]\nk=\"ab\0cd\"\n"s, "s", "k", "\"ab"},
    ReadCase{"NulEndsTheKey", "[s]\nk\0junk=1\n"s, "s", "k", "1"},
    ReadCase{"NulEndsTheSectionName", "[s\0junk]\nk=1\n"s, "s", "k", "1"},
    ReadCase{"NulBeforeTheLastBracketEndsTheName", "[s]x\0]\nk=1\n"s, "s]x", "k", "1"},
    ReadCase{"NulOnlyLinesAreStray", "[s]\n\0\0\0\nk=1\n"s, "s", "k", "1"}),
    CaseName);

// A comment line longer than one read of the file, so that what follows it
// reaches the reader in a later piece.
const std::string kLongComment = ";" + std::string(ProfileReader::kReadBufferBytes, '-') + "\n";

INSTANTIATE_TEST_SUITE_P(Encoding, ProfileReaderCaseTest, testing::Values(
    ReadCase{"Utf8IsReadAsUtf8", "[s]\nk=caf\xC3\xA9\n", "s", "k", "caf\xC3\xA9"},
    ReadCase{"CodePageIsConverted", "[s]\nk=caf\xE9 \x80 \x93\n", "s", "k",
             "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C"},
    ReadCase{"UnassignedCodePageBytesAreKept", "[s]\nk=\x81\x9D\n", "s", "k", "\xC2\x81\xC2\x9D"},
    // One stray byte anywhere makes the whole file Windows-1252, even after
    // the value.
    ReadCase{"OneInvalidByteLaterDecidesTheFile", "[s]\nk=caf\xC3\xA9\n[t]\nx=\xE9\n", "s", "k",
             "caf\xC3\x83\xC2\xA9"},
    ReadCase{"OverlongFormsAreNotUtf8", "[s]\nk=\xC0\xAF\n", "s", "k", "\xC3\x80\xC2\xAF"},
    ReadCase{"Utf8SectionName", "[Caf\xC3\xA9]\nk=1\n", "Caf\xC3\xA9", "k", "1"},
    ReadCase{"CodePageSectionName", "[Caf\xE9]\nk=1\n", "Caf\xC3\xA9", "k", "1"},
    ReadCase{"CodePageKeyName", "[s]\n\xE9t\xE9=1\n", "s", "\xC3\xA9t\xC3\xA9", "1"},
    ReadCase{"CodePageNameIsNotMistakenForUtf8", "[Caf\xC3\xA9]\nk=1\n[x]\nk=\xFF", "Caf\xC3\xA9", "k",
             kFallback},
    // A name compared as UTF-8 holds only if the rest of the file, however
    // far it goes on, turns out to be UTF-8 too.
    ReadCase{"CodePageFileFarBeyondTheValueRenamesItsSection",
             "[Caf\xC3\xA9]\nk=as UTF-8\n" + kLongComment + "[Caf\xE9]\nk=as code page\n", "Caf\xC3\xA9", "k",
             "as code page"},
    ReadCase{"CodePageFileFarBeyondTheSectionRenamesIt",
             "[Caf\xC3\xA9]\nx=1\n[y]\n" + kLongComment + "[Caf\xE9]\nk=as code page\n", "Caf\xC3\xA9", "k",
             "as code page"},
    ReadCase{"LongUtf8FileKeepsItsUtf8Names", "[Caf\xC3\xA9]\nk=as UTF-8\n" + kLongComment + "[x]\nk=\xC3\xA9\n",
             "Caf\xC3\xA9", "k", "as UTF-8"}),
    CaseName);

// Files as editors save them: Notepad's "Unicode" in both byte orders,
// UTF-8 with a mark and one line pasted from an older file, a DOS end mark.
INSTANTIATE_TEST_SUITE_P(SavedFiles, ProfileReaderCaseTest, testing::Values(
    ReadCase{"Utf16LittleEndian", Utf16(u"[Overzicht]\r\nAantal=2\r\n[2]\r\nFoutb=Ne\u00F3n\r\n", true), "2",
             "Foutb", "Ne\xC3\xB3n"},
    ReadCase{"Utf16BigEndian", Utf16(u"[Overzicht]\r\nAantal=2\r\n", false), "overzicht", "AANTAL", "2"},
    ReadCase{"Utf16NamesAreMatchedAsTheyRead", Utf16(u"[Caf\u00E9]\nk=1\n", true), "Caf\xC3\xA9", "k", "1"},
    ReadCase{"Utf16CutCountsTheConvertedBytes", Utf16(u"[s]\nk=" + std::u16string(1500, u'\u20AC'), true), "s", "k",
             [] {
               std::string euros;
               for (int i = 0; i < 682; ++i) euros += "\xE2\x82\xAC";  // 2046 bytes
               return euros;
             }()},
    ReadCase{"MarkedUtf8KeepsItsOwnCharacters", "\xEF\xBB\xBF[s]\nk=caf\xC3\xA9\n[t]\nk=caf\xE9\n", "s", "k",
             "caf\xC3\xA9"},
    ReadCase{"MarkedUtf8ReadsAStrayByteAsCodePage", "\xEF\xBB\xBF[s]\nk=caf\xC3\xA9\n[t]\nk=caf\xE9\n", "t", "k",
             "caf\xC3\xA9"},
    ReadCase{"MarkedUtf8NamesStayUtf8", "\xEF\xBB\xBF[Caf\xC3\xA9]\nk=1\n[x]\nk=\xFF\n", "Caf\xC3\xA9", "k", "1"},
    ReadCase{"CtrlZAtTheEndIsNoText", "[2]\r\nFoutb=Neon\x1A", "2", "Foutb", "Neon"},
    ReadCase{"CtrlZAfterTheLastLineIsNoText", "[2]\r\nFoutb=Neon\r\n\x1A", "2", "Foutb", "Neon"},
    ReadCase{"CtrlZWithTextAfterItIsText", "[s]\nk=a\x1A" "b\n", "s", "k", "a\x1A" "b"},
    ReadCase{"CtrlZInACodePageFile", "[s]\nk=caf\xE9\x1A", "s", "k", "caf\xC3\xA9"}),
    CaseName);

std::string Repeated(char c, std::size_t count) { return std::string(count, c); }

INSTANTIATE_TEST_SUITE_P(LongValues, ProfileReaderCaseTest, testing::Values(
    ReadCase{"LongValueKeepsItsFirst2047Bytes", "[s]\nk=" + Repeated('a', 3000) + "\n", "s", "k",
             Repeated('a', 2047)},
    ReadCase{"ValueOf2047BytesIsWhole", "[s]\nk=" + Repeated('a', 2047) + "\n", "s", "k", Repeated('a', 2047)},
    ReadCase{"LongQuotedValueKeeps2047BytesInsideTheQuotes", "[s]\nk=\"" + Repeated('a', 3000) + "\"\n", "s",
             "k", Repeated('a', 2047)},
    ReadCase{"QuotesAroundALongValueAreStillRemoved", "[s]\nk='" + Repeated('a', 2047) + "'  \n", "s", "k",
             Repeated('a', 2047)},
    ReadCase{"CutNeverSplitsAUtf8Character", "[s]\nk=" + Repeated('a', 2046) + "\xC3\xA9" + "\n", "s", "k",
             Repeated('a', 2046)},
    ReadCase{"CutNeverSplitsAFourByteCharacter", "[s]\nk=" + Repeated('a', 2045) + "\xF0\x9F\x98\x80\n", "s",
             "k", Repeated('a', 2045)},
    ReadCase{"CutCountsTheConvertedBytes", "[s]\nk=" + Repeated('\xE9', 3000) + "\n", "s", "k",
             [] {
               std::string e;
               for (int i = 0; i < 1023; ++i) e += "\xC3\xA9";  // 2046 bytes: the next one would be split
               return e;
             }()},
    ReadCase{"LongKeyInFrontIsPassedOver", "[s]\n" + Repeated('k', 5000) + "=1\nk=2\n", "s", "k", "2"},
    ReadCase{"LongSectionInFrontIsPassedOver", "[" + Repeated('s', 5000) + "]\nk=1\n[s]\nk=2\n", "s", "k",
             "2"}),
    CaseName);

// Requests that look at the file as it is on disk at that moment.
class ProfileReaderFileTest : public testing::Test {
 protected:
  TempFolder folder_;
  std::filesystem::path file_ = folder_.Path() / "vragen.ini";
  ProfileReader reader_{file_};

  [[nodiscard]] std::string Read() const { return reader_.ReadString("s", "k", kFallback); }
};

TEST_F(ProfileReaderFileTest, MissingFileGivesTheFallback) { EXPECT_EQ(Read(), kFallback); }

TEST_F(ProfileReaderFileTest, EveryRequestSeesTheCurrentContent) {
  folder_.Write("vragen.ini", "[s]\nk=first\n");
  EXPECT_EQ(Read(), "first");
  folder_.Write("vragen.ini", "[s]\nk=second, after an edit\n");
  EXPECT_EQ(Read(), "second, after an edit");
}

TEST_F(ProfileReaderFileTest, TruncatedFileGivesWhatIsLeft) {
  folder_.Write("vragen.ini", "[s]\nk=1\n");
  ASSERT_EQ(Read(), "1");
  std::filesystem::resize_file(file_, 3);
  EXPECT_EQ(Read(), kFallback);
  std::filesystem::resize_file(file_, 0);
  EXPECT_EQ(Read(), kFallback);
}

TEST_F(ProfileReaderFileTest, DeletedFileGivesTheFallback) {
  folder_.Write("vragen.ini", "[s]\nk=1\n");
  ASSERT_EQ(Read(), "1");
  std::filesystem::remove(file_);
  EXPECT_EQ(Read(), kFallback);
}

TEST_F(ProfileReaderFileTest, ReplacedFileIsReadAfresh) {
  folder_.Write("vragen.ini", "[s]\nk=old\n");
  ASSERT_EQ(Read(), "old");
  const auto replacement = folder_.Write("new.ini", "[s]\nk=new\n");
  std::filesystem::rename(replacement, file_);
  EXPECT_EQ(Read(), "new");
}

// The standard library of the Windows builds makes no links: their cases,
// and those of FIFOs and POSIX devices, run on POSIX only.
#ifndef _WIN32
TEST_F(ProfileReaderFileTest, SymbolicLinkToAFileIsFollowed) {
  const auto target = folder_.Write("real.ini", "[s]\nk=through the link\n");
  std::filesystem::create_symlink(target, file_);
  EXPECT_EQ(Read(), "through the link");
}
#endif

// Files that must not hang, crash or fill memory; they count as missing.
TEST_F(ProfileReaderFileTest, DirectoryCountsAsMissing) {
  std::filesystem::create_directory(file_);
  EXPECT_EQ(Read(), kFallback);
}

#ifdef _WIN32
// What stands for an unreadable file on Windows: one that another program
// holds open without sharing it.
TEST_F(ProfileReaderFileTest, FileHeldWithoutSharingCountsAsMissing) {
  folder_.Write("vragen.ini", "[s]\nk=held\n");
  HANDLE held = ::CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read(), kFallback);
  ::CloseHandle(held);
  EXPECT_EQ(Read(), "held");
}
#else
TEST_F(ProfileReaderFileTest, FifoCountsAsMissingWithoutWaitingForAWriter) {
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  EXPECT_EQ(Read(), kFallback);  // would hang here if open() waited
}

TEST_F(ProfileReaderFileTest, EndlessDeviceCountsAsMissing) {
  std::filesystem::create_symlink("/dev/zero", file_);
  EXPECT_EQ(Read(), kFallback);
}

TEST_F(ProfileReaderFileTest, DanglingLinkCountsAsMissing) {
  std::filesystem::create_symlink(folder_.Path() / "nowhere.ini", file_);
  EXPECT_EQ(Read(), kFallback);
}

TEST_F(ProfileReaderFileTest, UnreadableFileCountsAsMissing) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser can read any file";
  folder_.Write("vragen.ini", "[s]\nk=secret\n");
  std::filesystem::permissions(file_, std::filesystem::perms::none);
  EXPECT_EQ(Read(), kFallback);
}

TEST_F(ProfileReaderFileTest, FileThatFailsToReadCountsAsMissing) {
  // A regular file whose first read fails: offset 0 of the process's own
  // memory is never mapped.
  std::filesystem::create_symlink("/proc/self/mem", file_);
  EXPECT_EQ(Read(), kFallback);
}
#endif

TEST_F(ProfileReaderFileTest, EmptyPathIsNeverTheCurrentFolder) {
  EXPECT_EQ(ProfileReader({}).ReadString("s", "k", kFallback), kFallback);
}

TEST_F(ProfileReaderFileTest, ValueAfterAHugeLineIsFound) {
  // A single 16 MiB line in front of the section: read through, not loaded.
  std::string content = "[x]\nk=" + std::string(16 << 20, 'x') + "\n[s]\nk=found\n";
  folder_.Write("vragen.ini", content);
  EXPECT_EQ(Read(), "found");
}

TEST_F(ProfileReaderFileTest, SparseFileOfNulsIsReadThrough) {
  folder_.Write("vragen.ini", "[s]\nj=1\n");
  std::filesystem::resize_file(file_, std::uintmax_t{1} << 26);  // 64 MiB of NUL bytes, not on disk
  EXPECT_EQ(Read(), kFallback);
  EXPECT_EQ(reader_.ReadString("s", "j", kFallback), "1");
}

}  // namespace
