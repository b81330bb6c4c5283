// SPDX-License-Identifier: MIT
#include "ui/Application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "base/Exception.h"
#include "tests/ui/RecordingPeer.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"

namespace ui {
namespace {

using testing::RecordingMessageBoxService;
using testing::ShownMessageBox;
using ::testing::ElementsAre;

struct ReportCase {
  std::string_view Message;
  std::string_view Shown;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << '"' << c.Message << '"'; }

class ErrorReportTextTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportTextTest, AppendsAPeriodOnlyAfterACharacterAboveIt) {
  EXPECT_EQ(Application::ErrorReportText(GetParam().Message), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorReportTextTest,
    ::testing::Values(ReportCase{"Piece initialization failure; could not start a new game.",
                                 "Piece initialization failure; could not start a new game."},
                      ReportCase{"An unknown eror has occured", "An unknown eror has occured."},
                      ReportCase{"Failed:", "Failed:."}, ReportCase{"Why?", "Why?."},
                      ReportCase{"Version 2", "Version 2."}, ReportCase{"Stop!", "Stop!"},
                      ReportCase{"(aside)", "(aside)"}, ReportCase{"said \"no\"", "said \"no\""},
                      ReportCase{"trailing blank ", "trailing blank "}, ReportCase{"dash-", "dash-"},
                      ReportCase{"slash/", "slash/."}, ReportCase{"caf\xE9", "caf\xE9."},
                      ReportCase{"", ""}));

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() { app.SetTitle("Tolvanix Plimbora"); }

  RecordingMessageBoxService boxes;
  Application app;
};

TEST_F(ApplicationTest, AnErrorEscapingAHandlerIsReportedInAStopBoxOwnedByTheApplication) {
  Application::Guard(&app, [] { throw Exception("No pieces to initialize."); });
  EXPECT_THAT(boxes.Shown(), ElementsAre(ShownMessageBox{"No pieces to initialize.", "Tolvanix Plimbora", 0x10,
                                                         MessageBoxOwner::Application}));
}

TEST_F(ApplicationTest, TheReportIsCaptionedWithTheTitleOfThatMoment) {
  app.SetTitle("Another title");
  Application::Guard(&app, [] { throw Exception("x"); });
  EXPECT_EQ(boxes.Shown().at(0).Caption, "Another title");
}

TEST_F(ApplicationTest, WhatTheHandlerChangedBeforeTheErrorStaysChanged) {
  int steps = 0;
  Application::Guard(&app, [&] {
    ++steps;
    throw Exception("half way");
  });
  Application::Guard(&app, [&] { ++steps; });
  EXPECT_EQ(steps, 2) << "the loop goes on after the report";
}

TEST_F(ApplicationTest, ErrorsOfTheStandardLibraryTakeTheSameRoad) {
  Application::Guard(&app, [] { throw std::out_of_range("List index out of bounds (5)"); });
  EXPECT_EQ(boxes.Shown().at(0).Text, "List index out of bounds (5)");
}

TEST_F(ApplicationTest, AnythingElseThrownIsReportedToo) {
  Application::Guard(&app, [] { throw 42; });
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONSTOP);
}

TEST_F(ApplicationTest, AnErrorWhileTheReportIsOpenIsReportedInANestedBox) {
  // Timers keep ticking behind an open error box, and may fail again.
  boxes.WhileOpen = [&](const ShownMessageBox& box) {
    if (box.Text == "first.") Application::Guard(&app, [] { throw Exception("second"); });
  };
  Application::Guard(&app, [] { throw Exception("first"); });
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].Text, "second.");
}

TEST(ApplicationWithoutBoxesTest, AReportThatCannotBeShownStillLetsTheLoopGoOn) {
  Application app;
  EXPECT_NO_THROW(Application::Guard(&app, [] { throw Exception("nobody to tell"); }));
}

TEST(ApplicationFormsTest, TheFirstFormIsTheMainFormAndRunShowsIt) {
  Application app;
  EXPECT_EQ(app.MainForm(), nullptr);
  Form& first = app.CreateForm<Form>();
  app.CreateForm<Form>();
  EXPECT_EQ(app.MainForm(), &first);
  EXPECT_FALSE(first.Visible());
  app.Run();
  EXPECT_TRUE(first.Visible());
}

using testing::RecordingPlatform;

struct NamedForm final : Form {
  explicit NamedForm(std::string name) { SetName(std::move(name)); }
};

TEST(ApplicationPlatformTest, FormsAreBoundWhenCreatedAndTheMainFormRuns) {
  RecordingMessageBoxService boxes;
  RecordingPlatform platform;
  {
    Application app(&platform);
    app.SetTitle("Tolvanix Plimbora");
    app.CreateForm<NamedForm>("Form1");
    app.Run();
    Application::Guard(&app, [] { throw Exception("boom"); });
  }
  EXPECT_THAT(platform.calls,
              ElementsAre("Title Tolvanix Plimbora", "Peer Form1", "Run Form1", "CancelMouseMode"));
}

TEST(ApplicationPlatformTest, AFormThePlatformCannotShowIsNotKept) {
  RecordingPlatform platform;
  Application app(&platform);
  platform.refusePeers = true;
  EXPECT_THROW(app.CreateForm<NamedForm>("Form1"), Exception);
  EXPECT_EQ(app.MainForm(), nullptr);
  platform.refusePeers = false;
  Form& shown = app.CreateForm<NamedForm>("Form2");
  EXPECT_EQ(app.MainForm(), &shown);
}

}  // namespace
}  // namespace ui
