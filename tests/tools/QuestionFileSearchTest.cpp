// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionFileSearch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/game/TempFolder.h"

namespace {

struct SearchCase {
  const char* behaviour;
  std::vector<std::string> files;  // in the game's folder
  bool found;
  std::vector<std::string> nearMisses;
  std::string advice;  // words the advice holds; empty for no advice
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.behaviour; }

class QuestionFileSearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(QuestionFileSearchTest, FindsTheGamesQuestionsAndNamesNearMisses) {
  const SearchCase& c = GetParam();
  TempFolder folder;
  for (const std::string& name : c.files) folder.Write(name, "[Overzicht]\n");
  const QuestionFileSearch search = FindQuestionFileIn(folder.Path());
  EXPECT_EQ(search.file.has_value(), c.found);
  if (search.file) {
    EXPECT_EQ(search.file->filename(), "vragen.ini");
  }
  EXPECT_EQ(search.nearMisses, c.nearMisses);
  const std::string advice = NearMissAdvice(search, folder.Path());
  if (c.advice.empty()) {
    EXPECT_EQ(advice, "");
  } else {
    EXPECT_NE(advice.find(c.advice), std::string::npos) << advice;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, QuestionFileSearchTest,
    testing::Values(
        SearchCase{"QuestionFileAlone", {"vragen.ini", "tolvanix-plimbora.exe"}, true, {}, ""},
        SearchCase{"NotepadsSaveAs", {"vragen.ini.txt"}, false, {"vragen.ini.txt"},
                   "there is vragen.ini.txt instead. The game reads only a file named exactly vragen.ini"},
        SearchCase{"SeveralNearMisses", {"Vragen.ini.txt", "vragen.txt", "README.txt"}, false,
                   {"Vragen.ini.txt", "vragen.txt"}, "there is Vragen.ini.txt and vragen.txt instead"},
        SearchCase{"NearMissBesideTheRealOne", {"vragen.ini", "vragen.ini.txt"}, true, {"vragen.ini.txt"},
                   "beside vragen.ini lies vragen.ini.txt, which the game does not read"},
        SearchCase{"NothingAtAll", {"README.txt"}, false, {},
                   "so the game shows empty questions"}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.behaviour); });

TEST(QuestionFileSearchTest, FolderThatCannotBeReadFindsNothing) {
  TempFolder folder;
  const QuestionFileSearch search = FindQuestionFileIn(folder.Path() / "missing");
  EXPECT_FALSE(search.file);
  EXPECT_TRUE(search.nearMisses.empty());
}

}  // namespace
