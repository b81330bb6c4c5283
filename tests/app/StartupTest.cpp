// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/Unit1.h"
#include "base/Exception.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"
#include "ui/Services.h"

// Declared outside any unnamed namespace so that the report names it as
// the program spells it.
class EStartupProbe final : public Exception {
 public:
  using Exception::Exception;
};

namespace {

using ::testing::EndsWith;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const void* const kAddress = reinterpret_cast<const void*>(std::uintptr_t{0x0040ABCD});

TEST(StartupErrorTextTest, NamesTypeModuleAndAddressThenTheMessage) {
  const std::string text = StartupErrorText("EWebLink", "tolvanix-plimbora", kAddress, "No pieces to initialize.");
  EXPECT_EQ(text, std::string("Exception EWebLink in module tolvanix-plimbora at ") +
                      (sizeof(void*) == 8 ? "000000000040ABCD" : "0040ABCD") + ".\nNo pieces to initialize.");
}

struct PeriodCase {
  const char* Message;
  const char* Shown;
};

void PrintTo(const PeriodCase& period, std::ostream* out) { *out << testing::PrintToString(period.Message); }

class StartupErrorPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

// Unlike the report of a failed handler, only a final "." is left alone.
TEST_P(StartupErrorPeriodTest, AddsAPeriodUnlessTheMessageIsEmptyOrEndsInOne) {
  const std::string text = StartupErrorText("Exception", "m", kAddress, GetParam().Message);
  EXPECT_THAT(text, EndsWith(std::string("\n") + GetParam().Shown));
}

INSTANTIATE_TEST_SUITE_P(Endings, StartupErrorPeriodTest,
                         ::testing::Values(PeriodCase{"Out of timers", "Out of timers."},
                                           PeriodCase{"Done.", "Done."}, PeriodCase{"", ""},
                                           PeriodCase{"Stop!", "Stop!."}, PeriodCase{"(see above)", "(see above)."},
                                           PeriodCase{"Why?", "Why?."}, PeriodCase{"Trailing ", "Trailing ."}));

// The name of this test program's file, as the system names a module.
#ifdef _WIN32
const std::string kTestModule = "app_tests.exe";
#else
const std::string kTestModule = "app_tests";
#endif

TEST(ModuleNameTest, NamesTheFileThatHoldsTheCodeWithoutItsFolder) {
  const std::string name = ModuleNameOf(reinterpret_cast<const void*>(&ModuleNameOf));
  EXPECT_EQ(name, kTestModule);
}

class RunApplicationTest : public ::testing::Test {
 protected:
  ui::testing::RecordingMessageBoxService boxes;
  ui::Application application;
};

TEST_F(RunApplicationTest, ShowsTheMainWindowUnderTheApplicationTitleAndEndsWithCodeZero) {
  ui::Form* seen = nullptr;
  const int code = RunApplication(
      application, [](ui::Application& app) { app.CreateForm<TForm1>(); }, [&](ui::Form& form) { seen = &form; });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(application.Title(), "Tolvanix Plimbora");
  ASSERT_NE(application.MainForm(), nullptr);
  EXPECT_EQ(seen, application.MainForm());
  EXPECT_EQ(application.MainForm(), Form1);
  EXPECT_TRUE(application.MainForm()->Visible());
  EXPECT_EQ(application.MainForm()->Caption(), "Tolvanix PlimBora") << "the window's caption is its own";
  EXPECT_THAT(boxes.Shown(), IsEmpty());
}

TEST_F(RunApplicationTest, FailureWhileBuildingTheWindowIsReportedAndEndsWithCodeOne) {
  bool loopRan = false;
  const int code = RunApplication(
      application, [](ui::Application&) { throw EStartupProbe("Not enough timers available"); },
      [&](ui::Form&) { loopRan = true; });
  EXPECT_EQ(code, 1);
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(application.MainForm(), nullptr);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const auto& box = boxes.Shown().front();
  EXPECT_EQ(box.Caption, "Application Error");
  EXPECT_EQ(box.Flags, ui::MB_OK | ui::MB_ICONSTOP);
  EXPECT_EQ(box.Owner, ui::MessageBoxOwner::Application);
  EXPECT_THAT(box.Text, StartsWith("Exception EStartupProbe in module " + kTestModule + " at "));
  // std::regex, as GoogleTest's own expressions have no brackets on Windows.
  EXPECT_TRUE(std::regex_match(box.Text, std::regex(".* at [0-9A-F]+\\.\nNot enough timers available\\.")))
      << box.Text;
}

TEST_F(RunApplicationTest, FailureOfAnUnknownKindIsStillReported) {
  const int code = RunApplication(application, [](ui::Application&) { throw 42; });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_THAT(boxes.Shown().front().Text, StartsWith("Exception unknown in module " + kTestModule + " at "));
}

TEST(RunApplicationWithoutBoxesTest, ReportsOnTheErrorStreamWhenNoBoxCanBeShown) {
  ui::Application application;
  testing::internal::CaptureStderr();
  const int code = RunApplication(application, [](ui::Application&) { throw Exception("boom"); });
  const std::string written = testing::internal::GetCapturedStderr();
  EXPECT_EQ(code, 1);
  EXPECT_THAT(written, ::testing::HasSubstr("Application Error: Exception Exception in module"));
  EXPECT_THAT(written, ::testing::HasSubstr("\nboom."));
}

}  // namespace
