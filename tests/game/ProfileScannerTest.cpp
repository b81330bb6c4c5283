// SPDX-License-Identifier: MIT
#include "game/ProfileScanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace std::string_literals;
using Names = ProfileScanner::NameEncoding;

std::optional<std::string> ScanInPieces(std::string_view text, std::size_t pieceSize) {
  ProfileScanner scanner("s", "k", Names::Utf8);
  for (std::size_t at = 0; at < text.size(); at += pieceSize) scanner.Feed(text.substr(at, pieceSize));
  scanner.Finish();
  return scanner.Value();
}

std::optional<std::string> ScanSplitAt(std::string_view text, std::size_t split) {
  ProfileScanner scanner("s", "k", Names::Utf8);
  scanner.Feed(text.substr(0, split));
  scanner.Feed(text.substr(split));
  scanner.Finish();
  return scanner.Value();
}

// Files whose answer depends on state carried from one piece to the next:
// a byte-order mark, a CRLF, quotes and blanks at both ends of a value.
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
    testing::Values("\xEF\xBB\xBF[s]\r\nk=  \"quoted value\"  \r\n"s, "\xEF\xBB[s]\nk=1\n"s,
                    "[a]\rk=0\r [ s ] tail\r\n\t k\t = 'v' \r"s, "[s\0x]\nk\0y=ab\0cd\n"s,
                    "[x]]\n[s]]\n[s]\nk=never\n"s, ";[s]\n[s]\n#k=1\nk2=2\nk=3"s));

TEST(ProfileScannerTest, IsDoneAsSoonAsTheValueIsComplete) {
  ProfileScanner scanner("s", "k", Names::Utf8);
  scanner.Feed("[s]\nk=v");
  EXPECT_FALSE(scanner.Done());  // the value may go on
  scanner.Feed("alue\n[t]");
  EXPECT_TRUE(scanner.Done());
  EXPECT_EQ(scanner.Value(), "value");
}

TEST(ProfileScannerTest, IsDoneWhenTheFirstSectionOfTheNameEnds) {
  ProfileScanner scanner("s", "k", Names::Utf8);
  scanner.Feed("[s]\nj=1\n[t]\n");
  EXPECT_TRUE(scanner.Done());
  EXPECT_EQ(scanner.Value(), std::nullopt);
}

TEST(ProfileScannerTest, ValueEndingAtTheEndOfTheFileCountsAfterFinish) {
  ProfileScanner scanner("s", "k", Names::Utf8);
  scanner.Feed("[s]\nk= last ");
  scanner.Finish();
  EXPECT_EQ(scanner.Value(), "last");
}

TEST(ProfileScannerTest, Windows1252NamesAreComparedAfterConversion) {
  ProfileScanner scanner("\xC3\xA9", "k", Names::Windows1252);
  scanner.Feed("[\xC3\xA9]\nk=utf8\n[\xE9]\nk=code page\n");
  scanner.Finish();
  EXPECT_EQ(scanner.Value(), "code page");
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
  ProfileScanner scanner("s", "k", ProfileScanner::NameEncoding::Utf8);
  scanner.Feed("[s]\nk=\"");
  FeedRepeated(scanner, 'v', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("\"\n");
  EXPECT_EQ(scanner.Value(), std::string(ProfileScanner::kMaxValueBytes, 'v'));
}

TEST_F(ProfileScannerMemoryTest, HugeSectionNameIsNotKept) {
  ProfileScanner scanner("s", "k", ProfileScanner::NameEncoding::Utf8);
  scanner.Feed("[");
  FeedRepeated(scanner, 's', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("]\n[s]\nk=found\n");
  EXPECT_EQ(scanner.Value(), "found");
}

TEST_F(ProfileScannerMemoryTest, HugeKeyNameIsNotKept) {
  ProfileScanner scanner("s", "k", ProfileScanner::NameEncoding::Utf8);
  scanner.Feed("[s]\n");
  FeedRepeated(scanner, 'k', kHugeLine);
  EXPECT_LE(scanner.HeldBytes(), kBound);
  scanner.Feed("=no\nk=yes\n");
  EXPECT_EQ(scanner.Value(), "yes");
}

TEST_F(ProfileScannerMemoryTest, TrailingBlanksOfAHugeValueAreStillTrimmed) {
  ProfileScanner scanner("s", "k", ProfileScanner::NameEncoding::Utf8);
  scanner.Feed("[s]\nk='quoted'");
  FeedRepeated(scanner, ' ', kHugeLine);
  scanner.Finish();
  EXPECT_LE(scanner.HeldBytes(), kBound);
  EXPECT_EQ(scanner.Value(), "quoted");
}

}  // namespace
