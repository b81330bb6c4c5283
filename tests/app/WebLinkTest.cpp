// SPDX-License-Identifier: MIT
#include "app/WebLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/testing/RecordingShellService.h"

namespace {

using ui::testing::RecordingShellService;

constexpr const char* kAddress = "https://tolvanix.github.io/plimbora/";

// The message of the EWebLink that Execute raises, or "" when it returns.
std::string OutcomeOf(TWebLink& link) {
  try {
    link.Execute();
    return "";
  } catch (const EWebLink& error) {
    return error.Message();
  }
}

struct ResultCase {
  int Result;
  const char* Message;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << "result " << c.Result; }

class WebLinkResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(WebLinkResultTest, ReportsTheShellsReason) {
  RecordingShellService shell(GetParam().Result);
  TWebLink link;
  link.SetURL(kAddress);
  EXPECT_EQ(OutcomeOf(link), GetParam().Message);
  EXPECT_EQ(shell.Opened(), std::vector<std::string>{kAddress});
}

INSTANTIATE_TEST_SUITE_P(
    ShellResults, WebLinkResultTest,
    testing::Values(
        ResultCase{0, "The operating system is out of memory or resources."},
        ResultCase{2, "The specified file was not found."},
        ResultCase{3, "The specified path was not found."},
        ResultCase{5, "The operating system denied access to the specified file."},
        ResultCase{8, "There was not enough memory to complete the operation."},
        ResultCase{11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
        ResultCase{26, "A sharing violation occurred."},
        ResultCase{27, "The filename association is incomplete or invalid."},
        ResultCase{28, "The DDE transaction could not be completed because the request timed out."},
        ResultCase{29, "The DDE transaction failed."},
        ResultCase{30, "The DDE transaction could not be completed because other DDE transactions were being "
                       "processed."},
        ResultCase{31, "There is no application associated with the given filename extension."},
        ResultCase{32, "The specified dynamic-link library was not found."},
        // Every other failure, the misspelling included, as the game has always shown it.
        ResultCase{1, "An unknown eror has occured"}, ResultCase{4, "An unknown eror has occured"},
        ResultCase{12, "An unknown eror has occured"}, ResultCase{25, "An unknown eror has occured"},
        ResultCase{-1, "An unknown eror has occured"},
        ResultCase{-2147483647 - 1, "An unknown eror has occured"},
        // Above 32 the shell opened the address.
        ResultCase{33, ""}, ResultCase{42, ""}, ResultCase{2147483647, ""}));

TEST(WebLinkTest, StartsWithAnEmptyAddressAndNoHandler) {
  TWebLink link;
  EXPECT_EQ(link.URL(), "");
  EXPECT_FALSE(link.OnExecute);
}

TEST(WebLinkTest, EmptyAddressIsStillHandedToTheShell) {
  RecordingShellService shell(2);
  TWebLink link;
  EXPECT_EQ(OutcomeOf(link), "The specified file was not found.");
  EXPECT_EQ(shell.Opened(), std::vector<std::string>{""});

  shell.SetResult(33);
  EXPECT_EQ(OutcomeOf(link), "");
}

TEST(WebLinkTest, OnExecuteRunsBeforeTheShellOnEveryCall) {
  RecordingShellService shell(2);
  TWebLink link;
  link.SetURL(kAddress);
  std::vector<std::size_t> openedBeforeHandler;
  TObject* sender = nullptr;
  link.OnExecute = [&](TObject& s) {
    sender = &s;
    openedBeforeHandler.push_back(shell.Opened().size());
  };

  EXPECT_NE(OutcomeOf(link), "");
  shell.SetResult(42);
  EXPECT_EQ(OutcomeOf(link), "");

  EXPECT_EQ(openedBeforeHandler, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(sender, &link);
}

TEST(WebLinkTest, ErrorFromOnExecutePassesUnchangedAndNothingIsOpened) {
  RecordingShellService shell;
  TWebLink link;
  link.SetURL(kAddress);
  link.OnExecute = [](TObject&) { throw Exception("not now"); };

  try {
    link.Execute();
    FAIL() << "the handler's error must reach the caller";
  } catch (const EWebLink&) {
    FAIL() << "the handler's error must not be wrapped";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "not now");
  }
  EXPECT_TRUE(shell.Opened().empty());
}

}  // namespace
