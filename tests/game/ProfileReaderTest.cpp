// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include <gtest/gtest.h>

// Before the system headers, whose message-box macros would hide its names.
#include "ui/Services.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <functional>
#include <string>
#include <vector>

#include "tests/game/InPieces.h"
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
  const ByteSource bytes = InPieces(c.file, std::max<std::size_t>(1, c.file.size() / 4096));
  EXPECT_EQ(LookUpProfileValue(bytes, c.section, c.key).value_or(kFallback), c.expected)
      << "read in small pieces";
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
const std::string kLongComment = ";" + std::string(TextDecoder::kPieceBytes, '-') + "\n";

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
    ReadCase{"HugeQuotedValueKeepsItsFirst2047Bytes", "[s]\nk=\"" + Repeated('v', 1 << 20) + "\"\n", "s", "k",
             Repeated('v', 2047)},
    ReadCase{"TrailingBlanksOfAHugeValueAreTrimmed", "[s]\nk='quoted'" + Repeated(' ', 1 << 20), "s", "k",
             "quoted"},
    ReadCase{"HugeKeyInFrontIsPassedOver", "[s]\n" + Repeated('k', 1 << 20) + "=no\nk=yes\n", "s", "k", "yes"},
    ReadCase{"HugeSectionNameInFrontIsPassedOver", "[" + Repeated('s', 1 << 20) + "]\nk=no\n[s]\nk=yes\n", "s",
             "k", "yes"},
    ReadCase{"LongKeyInFrontIsPassedOver", "[s]\n" + Repeated('k', 5000) + "=1\nk=2\n", "s", "k", "2"},
    ReadCase{"LongSectionInFrontIsPassedOver", "[" + Repeated('s', 5000) + "]\nk=1\n[s]\nk=2\n", "s", "k",
             "2"}),
    CaseName);

// A file whose bytes after `text` cannot be read: a request that reads on
// finds it unreadable.
ByteSource FailingAfter(std::string text) {
  return [text = std::move(text)](std::uint64_t offset, std::span<char> buffer) -> std::optional<std::size_t> {
    if (offset >= text.size()) return std::nullopt;
    return text.copy(buffer.data(), buffer.size(), static_cast<std::size_t>(offset));
  };
}

TEST(LookUpProfileValueTest, ReadsNoFurtherThanItsAnswerNeeds) {
  EXPECT_EQ(LookUpProfileValue(FailingAfter("[s]\nk=plain\n"), "s", "k"), "plain");
  // A value that is not ASCII holds only if the rest of the file is UTF-8.
  EXPECT_EQ(LookUpProfileValue(FailingAfter("[s]\nk=caf\xC3\xA9\n"), "s", "k"), std::nullopt);
}

// Requests that look at the file as it is on disk at that moment.
class ProfileReaderFileTest : public testing::Test {
 protected:
  TempFolder folder_;
  std::filesystem::path file_ = folder_.Path() / "vragen.ini";

  [[nodiscard]] std::string Read(std::string_view key = "k") const {
    return ReadProfileString(file_, "s", key, kFallback);
  }
};

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

// A source that keeps one file itself, as the web page keeps a file the
// player chose, and records where it is read.
class HeldFileSource final : public ui::FileSource {
 public:
  HeldFileSource(std::filesystem::path file, std::string content)
      : file_(std::move(file)), content_(std::move(content)) {}
  void Refresh(const std::filesystem::path& /*file*/) override {}
  bool Holds(const std::filesystem::path& file) override { return file == file_; }
  std::optional<std::size_t> ReadAt(const std::filesystem::path& /*file*/, std::uint64_t offset,
                                    std::span<char> buffer) override {
    ++reads;
    if (offset >= content_.size()) return 0;
    return content_.copy(buffer.data(), buffer.size(), static_cast<std::size_t>(offset));
  }
  int reads = 0;

 private:
  std::filesystem::path file_;
  std::string content_;
};

TEST_F(ProfileReaderFileTest, AFileTheInstalledSourceHoldsIsReadFromItInsteadOfTheDisk) {
  folder_.Write("vragen.ini", "[s]\nk=on disk\n");
  folder_.Write("other.ini", "[s]\nk=other\n");
  HeldFileSource source(file_, "[s]\nk=held\n");
  const ui::ScopedService<ui::FileSource> installed(source);
  EXPECT_EQ(Read(), "held");
  EXPECT_GT(source.reads, 0);
  const int reads = source.reads;
  EXPECT_EQ(ReadProfileString(folder_.Path() / "other.ini", "s", "k", kFallback), "other");
  EXPECT_EQ(source.reads, reads);
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

TEST_F(ProfileReaderFileTest, MissingFileGivesTheFallback) { EXPECT_EQ(Read(), kFallback); }

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

TEST_F(ProfileReaderFileTest, PipeCountsAsMissingWithoutWaitingForData) {
  const wchar_t* pipeName = L"\\\\.\\pipe\\tp-profile-reader-test";
  HANDLE pipe = ::CreateNamedPipeW(pipeName, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadProfileString(pipeName, "s", "k", kFallback), kFallback);
  ::CloseHandle(pipe);
}
#else
TEST_F(ProfileReaderFileTest, UnreadableFileCountsAsMissing) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser can read any file";
  folder_.Write("vragen.ini", "[s]\nk=secret\n");
  std::filesystem::permissions(file_, std::filesystem::perms::none);
  EXPECT_EQ(Read(), kFallback);
}
#endif

// Names that must not hang, crash or fill memory: a request counts them as
// missing, and a survey cannot read them.
struct HostileCase {
  const char* behaviour;
  std::function<std::filesystem::path(const std::filesystem::path& folder)> make;
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.behaviour; }

class HostileFileTest : public testing::TestWithParam<HostileCase> {
 protected:
  TempFolder folder_;
};

TEST_P(HostileFileTest, CountsAsMissing) {
  const std::filesystem::path file = GetParam().make(folder_.Path());
  EXPECT_EQ(ReadProfileString(file, "s", "k", kFallback), kFallback);
  EXPECT_FALSE(SurveyProfileFile(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileFileTest,
    testing::Values(
        HostileCase{"EmptyPathIsNeverTheCurrentFolder", [](const auto&) { return std::filesystem::path(); }},
        HostileCase{"Folder", [](const auto& folder) { return folder; }},
#ifdef _WIN32
        HostileCase{"NulDevice", [](const auto&) { return std::filesystem::path("NUL"); }},
        HostileCase{"ConsoleInAFolder", [](const auto& folder) { return folder / "CON"; }}
#else
        // Opening waits for a writer unless told not to.
        HostileCase{"FifoWithoutAWriter",
                    [](const auto& folder) {
                      const auto fifo = folder / "fifo";
                      EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
                      return fifo;
                    }},
        HostileCase{"EndlessDevice", [](const auto&) { return std::filesystem::path("/dev/zero"); }},
        HostileCase{"DanglingLink",
                    [](const auto& folder) {
                      std::filesystem::create_symlink(folder / "nowhere.ini", folder / "link.ini");
                      return folder / "link.ini";
                    }},
        // A regular file whose first read fails: offset 0 of the process's
        // own memory is never mapped.
        HostileCase{"FileThatFailsToRead", [](const auto&) { return std::filesystem::path("/proc/self/mem"); }}
#endif
        ),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.behaviour); });

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
  EXPECT_EQ(Read("j"), "1");
}

// Every line of a file as a survey reports it: "number kind name" and, for
// an entry, "=value"; " (cut)" and " (nul)" mark the flags.
std::vector<std::string> Shown(const ProfileSurvey& survey) {
  std::vector<std::string> lines;
  for (const ProfileLine& line : survey.lines) {
    static constexpr const char* kKinds[] = {"blank", "comment", "header", "unclosed", "entry", "stray"};
    std::string shown = std::to_string(line.number) + " " + kKinds[static_cast<int>(line.kind)] + " " + line.name;
    if (line.kind == ProfileLine::Kind::Entry) shown += "=" + line.value;
    if (line.valueCut) shown += " (cut)";
    if (line.stoppedAtNul) shown += " (nul)";
    lines.push_back(shown);
  }
  return lines;
}

struct SurveyCase {
  const char* behaviour;
  std::string file;
  std::vector<std::string> lines;
  FileEncoding encoding = FileEncoding::Utf8;
  std::size_t firstOddLine = 0;
  std::uint64_t strayBytes = 0;
};

void PrintTo(const SurveyCase& c, std::ostream* out) { *out << c.behaviour; }

class ProfileSurveyTest : public testing::TestWithParam<SurveyCase> {};

TEST_P(ProfileSurveyTest, ReportsEveryLineAsARequestReadsIt) {
  const SurveyCase& c = GetParam();
  for (const std::size_t piece : {c.file.size() + 1, std::size_t{1}}) {
    const std::optional<ProfileSurvey> survey = SurveyProfile(InPieces(c.file, piece));
    ASSERT_TRUE(survey.has_value());
    EXPECT_EQ(Shown(*survey), c.lines) << "pieces of " << piece;
    EXPECT_EQ(survey->encoding, c.encoding) << "pieces of " << piece;
    EXPECT_EQ(survey->firstOddLine, c.firstOddLine) << "pieces of " << piece;
    EXPECT_EQ(survey->strayBytes, c.strayBytes) << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProfileSurveyTest,
    testing::Values(
        SurveyCase{"KindsOfLine",
                   "; note\n\n[ Overzicht ] ; count\n Aantal = ' 2 ' \nstray text\n[unclosed\n\f[2]\n#x=1",
                   {"1 comment ", "2 blank ", "3 header Overzicht", "4 entry Aantal= 2 ", "5 stray stray text",
                    "6 unclosed unclosed", "7 stray \f[2]", "8 comment "}},
        SurveyCase{"LineEndsAreCountedOnce", "\r\n[a]\r\nk=1\rj=2\n\r\n  ",
                   {"1 blank ", "2 header a", "3 entry k=1", "4 entry j=2", "5 blank "}},
        SurveyCase{"NulBytesEndNamesAndValues", "[s\0x]\nk\0y=ab\0cd\n\0\n[t]u\0]\n"s,
                   {"1 header s (nul)", "2 entry k=ab (nul)", "3 stray  (nul)", "4 header t]u (nul)"}},
        SurveyCase{"LongValueIsCut", "k=" + std::string(3000, 'v'),
                   {"1 entry k=" + std::string(kMaxProfileValueBytes, 'v') + " (cut)"}},
        SurveyCase{"EntriesOutsideSectionsAreReportedToo", "k=1\n[s]\nk=2\n[s]\nk=3\n",
                   {"1 entry k=1", "2 header s", "3 entry k=2", "4 header s", "5 entry k=3"}},
        SurveyCase{"CodePageFileTellsItsFirstOddLine", "[s]\nk=caf\xC3\xA9\nx=\xE2\x82" "A\n",
                   {"1 header s", "2 entry k=caf\xC3\x83\xC2\xA9", "3 entry x=\xC3\xA2\xE2\x80\x9A" "A"},
                   FileEncoding::Windows1252, 3},
        SurveyCase{"CharacterCutByTheEndIsNoUtf8", "k=a\n\xEF\xBB", {"1 entry k=a", "2 stray \xC3\xAF\xC2\xBB"},
                   FileEncoding::Windows1252, 2},
        SurveyCase{"MarkedUtf8CountsItsStrayBytes", "\xEF\xBB\xBF" "k=ok \xC3\xA9\nj=caf\xE9 \xE2\x82",
                   {"1 entry k=ok \xC3\xA9", "2 entry j=caf\xC3\xA9 \xC3\xA2\xE2\x80\x9A"},
                   FileEncoding::Utf8WithMark, 2, 3},
        SurveyCase{"MarkAloneIsAnEmptyFile", "\xEF\xBB\xBF", {}, FileEncoding::Utf8WithMark},
        SurveyCase{"OnlyTheFirstMarkCounts", "\xEF\xBB\xBF\xFF\xFEk=1", {"1 entry \xC3\xBF\xC3\xBEk=1"},
                   FileEncoding::Utf8WithMark, 1, 2},
        SurveyCase{"Utf16BrokenSurrogatesAndAnOddByteAreReplaced",
                   Utf16(std::u16string{u'k', u'=', 0xD83D, 0xDE00, 0xD83D, u'a', 0xDE00}, true) + "!",
                   {"1 entry k=\xF0\x9F\x98\x80\xEF\xBF\xBD" "a\xEF\xBF\xBD\xEF\xBF\xBD"},
                   FileEncoding::Utf16LittleEndian},
        SurveyCase{"Utf16BigEndianCutShortInAHighSurrogate", Utf16(u"[s]\r\nk=caf\u00E9\xD83D", false) + "!",
                   {"1 header s", "2 entry k=caf\xC3\xA9\xEF\xBF\xBD"}, FileEncoding::Utf16BigEndian},
        SurveyCase{"CtrlZIsTextOnlyBeforeMoreText", "k=a\x1A\x1A\n\x1A\x1A", {"1 entry k=a\x1A\x1A"}},
        // The euro sign's last byte starts the second piece of the file,
        // which ends in the first byte of the "é"; the emoji's low surrogate
        // starts the second piece.
        SurveyCase{"Utf8CharactersCutAtBothEndsOfAPieceStayWhole",
                   "[s]\n;" + std::string(TextDecoder::kPieceBytes - 10, '-') + "\nk=\xE2\x82\xAC\n;" +
                       std::string(TextDecoder::kPieceBytes - 4, '-') + "\xC3\xA9\nj=\xC3\xA9",
                   {"1 header s", "2 comment ", "3 entry k=\xE2\x82\xAC", "4 comment ", "5 entry j=\xC3\xA9"}},
        SurveyCase{"Utf16PairAcrossPiecesStaysWhole",
                   Utf16(u"[s]\n;" + std::u16string(TextDecoder::kPieceBytes / 2 - 10, u'-') + u"\nk=\U0001F600", true),
                   {"1 header s", "2 comment ", "3 entry k=\xF0\x9F\x98\x80"}, FileEncoding::Utf16LittleEndian}),
    [](const testing::TestParamInfo<SurveyCase>& info) { return std::string(info.param.behaviour); });

}  // namespace
