// SPDX-License-Identifier: MIT
// The game's window on the native Windows platform, with real windows: a
// start-up that cannot make them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"
#include "ui/win32/Platform.h"

namespace {

using ui::win32::Platform;

// While it lives, this thread cannot make windows of one class, as on a
// system out of window resources.
class WindowsRefused final {
 public:
  explicit WindowsRefused(std::wstring windowClass)
      : hook_(::SetWindowsHookExW(WH_CBT, &WindowsRefused::Hook, nullptr, ::GetCurrentThreadId())) {
    refused_ = std::move(windowClass);
  }
  ~WindowsRefused() { ::UnhookWindowsHookEx(hook_); }
  WindowsRefused(const WindowsRefused&) = delete;
  WindowsRefused& operator=(const WindowsRefused&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const LPCWSTR name = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
      if (!IS_INTRESOURCE(name) && ::lstrcmpiW(name, refused_.c_str()) == 0) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline std::wstring refused_;
  HHOOK hook_;
};

struct RefusedCase {
  const char* behaviour;
  const wchar_t* windowClass;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.behaviour; }

std::string CaseName(const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.behaviour; }

class StartupWithoutWindowsTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(StartupWithoutWindowsTest, IsReportedInTheStartupFailureBoxAndEndsWithCodeOne) {
  const WindowsRefused refused(GetParam().windowClass);
  Platform platform;
  ui::Application application(&platform);
  ui::testing::RecordingMessageBoxService boxes;
  bool loopRan = false;
  const int code = RunApplication(
      application, [](ui::Application& app) { app.CreateForm<TForm1>(); }, [&](ui::Form&) { loopRan = true; });
  EXPECT_EQ(code, 1);
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(Form1, nullptr);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const auto& box = boxes.Shown().front();
  EXPECT_EQ(box.Caption, "Application Error");
  EXPECT_EQ(box.Flags, ui::MB_OK | ui::MB_ICONSTOP);
  EXPECT_EQ(box.Owner, ui::MessageBoxOwner::Application);
  EXPECT_EQ(box.Text.rfind("Exception Exception in module ", 0), 0u) << box.Text;
  EXPECT_NE(box.Text.find(".\nError creating window."), std::string::npos) << box.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Refused, StartupWithoutWindowsTest,
    ::testing::Values(RefusedCase{"TheApplicationsWindow", Platform::kApplicationClass},
                      RefusedCase{"TheMainWindow", Platform::kWindowClass},
                      RefusedCase{"AControlHalfWayThroughTheWindow", PROGRESS_CLASSW}),
    CaseName);

}  // namespace
