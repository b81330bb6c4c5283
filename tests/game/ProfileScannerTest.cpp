// SPDX-License-Identifier: MIT
#include "game/ProfileScanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

std::optional<std::string> ScanInPieces(std::string_view text, std::size_t pieceSize) {
  ProfileScanner scanner("s", "k");
  for (std::size_t at = 0; at < text.size(); at += pieceSize) scanner.Feed(text.substr(at, pieceSize));
  scanner.Finish();
  return scanner.Value();
}

std::optional<std::string> ScanSplitAt(std::string_view text, std::size_t split) {
  ProfileScanner scanner("s", "k");
  scanner.Feed(text.substr(0, split));
  scanner.Feed(text.substr(split));
  scanner.Finish();
  return scanner.Value();
}

// Files whose answer depends on state carried from one piece to the next:
// a CRLF, quotes and blanks at both ends of a value, a NUL.
class ProfileScannerPiecesTest : public testing::TestWithParam<std::string> {};

TEST_P(ProfileScannerPiecesTest, AnswerDoesNotDependOnHowTheFileIsCut) {
  const std::string& text = GetParam();
  const std::optional<std::string> whole = ScanInPieces(text, text.size() + 1);
  EXPECT_EQ(ScanInPieces(text, 1), whole);
  for (std::size_t split = 0; split <= text.size(); ++split) {
    EXPECT_EQ(ScanSplitAt(text, split), whole) << "split at " << split;
  }
}

INSTANTIATE_TEST_SUITE_P(
    TrickyFiles, ProfileScannerPiecesTest,
    testing::Values("[s]\r\nk=  \"quoted value\"  \r\n"s, "\r\n[s]\r\r\nk=1\r\n"s,
                    "[a]\rk=0\r [ s ] tail\r\n\t k\t = 'v' \r"s, "[s\0x]\nk\0y=ab\0cd\n"s,
                    "[x]]\n[s]]\n[s]\nk=never\n"s, ";[s]\n[s]\n#k=1\nk2=2\nk=3"s));

TEST(ProfileScannerTest, IsDoneAsSoonAsTheValueIsComplete) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\nk=v");
  EXPECT_FALSE(scanner.Done());  // the value may go on
  scanner.Feed("alue\n[t]");
  EXPECT_TRUE(scanner.Done());
  EXPECT_EQ(scanner.Value(), "value");
}

TEST(ProfileScannerTest, IsDoneWhenTheFirstSectionOfTheNameEnds) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\nj=1\n[t]\n");
  EXPECT_TRUE(scanner.Done());
  EXPECT_EQ(scanner.Value(), std::nullopt);
}

TEST(ProfileScannerTest, ValueEndingAtTheEndOfTheFileCountsAfterFinish) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\nk= last ");
  scanner.Finish();
  EXPECT_EQ(scanner.Value(), "last");
}

// Memory: whatever the lines look like, the scanner keeps no more than the
// first bytes of a value and a name as long as the one asked for.
class ProfileScannerMemoryTest : public testing::Test {
 protected:
  static constexpr std::size_t kBound = ProfileScanner::kMaxValueBytes + 1 + 16;
  static constexpr std::size_t kHugeLine = 16 << 20;

  // Feeds `count` copies of `c` in pieces the size a file is read in.
  static void FeedRepeated(ProfileScanner& scanner, char c, std::size_t count) {
    const std::string piece(4096, c);
    for (std::size_t fed = 0; fed < count; fed += piece.size()) scanner.Feed(piece);
  }
};

TEST_F(ProfileScannerMemoryTest, HugeValueIsNotKept) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\nk=\"");
  FeedRepeated(scanner, 'v', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("\"\n");
  EXPECT_EQ(scanner.Value(), std::string(ProfileScanner::kMaxValueBytes, 'v'));
}

TEST_F(ProfileScannerMemoryTest, HugeSectionNameIsNotKept) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[");
  FeedRepeated(scanner, 's', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("]\n[s]\nk=found\n");
  EXPECT_EQ(scanner.Value(), "found");
}

TEST_F(ProfileScannerMemoryTest, HugeKeyNameIsNotKept) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\n");
  FeedRepeated(scanner, 'k', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("=no\nk=yes\n");
  EXPECT_EQ(scanner.Value(), "yes");
}

TEST_F(ProfileScannerMemoryTest, TrailingBlanksOfAHugeValueAreStillTrimmed) {
  ProfileScanner scanner("s", "k");
  scanner.Feed("[s]\nk='quoted'");
  FeedRepeated(scanner, ' ', kHugeLine);
  scanner.Finish();
  EXPECT_LE(scanner.HeldBytes(), kBound);
  EXPECT_EQ(scanner.Value(), "quoted");
}

}  // namespace

namespace {

// Every line as the survey reports it: "number kind name" and, for an
// entry, "=value"; " (cut)" and " (nul)" mark the flags.
std::vector<std::string> SurveyOf(std::string_view text, std::size_t pieceSize) {
  std::vector<std::string> lines;
  ProfileScanner scanner([&lines](const ProfileLine& line) {
    static constexpr const char* kKinds[] = {"blank", "comment", "header", "unclosed", "entry", "stray"};
    std::string shown = std::to_string(line.number) + " " + kKinds[static_cast<int>(line.kind)] + " " + line.name;
    if (line.kind == ProfileLine::Kind::Entry) shown += "=" + line.value;
    if (line.valueCut) shown += " (cut)";
    if (line.stoppedAtNul) shown += " (nul)";
    lines.push_back(shown);
  });
  for (std::size_t at = 0; at < text.size(); at += pieceSize) scanner.Feed(text.substr(at, pieceSize));
  scanner.Finish();
  return lines;
}

struct SurveyCase {
  const char* behaviour;
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const SurveyCase& c, std::ostream* out) { *out << c.behaviour; }

class ProfileSurveyTest : public testing::TestWithParam<SurveyCase> {};

TEST_P(ProfileSurveyTest, ReportsEveryLineAsALookupReadsIt) {
  const SurveyCase& c = GetParam();
  EXPECT_EQ(SurveyOf(c.text, c.text.size() + 1), c.lines);
  EXPECT_EQ(SurveyOf(c.text, 1), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProfileSurveyTest,
    testing::Values(
        SurveyCase{"KindsOfLine",
                   "; note\n\n[ Overzicht ] ; count\n Aantal = ' 2 ' \nstray text\n[unclosed\n\f[2]\n#x=1",
                   {"1 comment ", "2 blank ", "3 header Overzicht", "4 entry Aantal= 2 ", "5 stray stray text",
                    "6 unclosed unclosed", "7 stray \f[2]", "8 comment "}},
        SurveyCase{"LineEndsAreCountedOnce", "[a]\r\nk=1\rj=2\n\r\n", {"1 header a", "2 entry k=1", "3 entry j=2", "4 blank "}},
        SurveyCase{"NulBytesEndNamesAndValues", "[s\0x]\nk\0y=ab\0cd\n\0\n"s,
                   {"1 header s (nul)", "2 entry k=ab (nul)", "3 stray  (nul)"}},
        SurveyCase{"LongValueIsCut", "k=" + std::string(3000, 'v'),
                   {"1 entry k=" + std::string(ProfileScanner::kMaxValueBytes, 'v') + " (cut)"}},
        SurveyCase{"EntriesOutsideSectionsAreReportedToo", "k=1\n[s]\nk=2\n[s]\nk=3\n",
                   {"1 entry k=1", "2 header s", "3 entry k=2", "4 header s", "5 entry k=3"}}),
    [](const testing::TestParamInfo<SurveyCase>& info) { return std::string(info.param.behaviour); });

}  // namespace
