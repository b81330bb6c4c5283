// SPDX-License-Identifier: MIT
// The game's window on the native Windows platform, with real windows: a
// start-up that cannot make them, the address label, minimising in play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/Homepage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "app/WebLink.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "tests/ui/testing/RecordingShellService.h"
#include "tests/ui/win32/RunMessagesUntil.h"
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

// The window as the player finds it, shown with its real controls; the
// shell and the boxes are recorded instead of reaching the desktop.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    application.SetTitle(kApplicationTitle);
    form = &application.CreateForm<TForm1>();
    form->Show();
    platform.ProcessMessages();
  }

  // A click of the left button at a point of a window's client area.
  void Click(HWND window, int x, int y) {
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    platform.ProcessMessages();
  }

  // F2, then the first answer, which the question's file-less defaults
  // make the right one, then "?".
  void StartFreePlay() {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_F2, 1);
    platform.ProcessMessages();
    ::SendMessageW(Platform::WindowOf(form->RadioButton1()), BM_CLICK, 0, 0);
    ::SendMessageW(Platform::WindowOf(form->Button1()), BM_CLICK, 0, 0);
    platform.ProcessMessages();
  }

  // The doubles go in after the platform's own services.
  Platform platform;
  ui::Application application{&platform};
  ui::testing::RecordingMessageBoxService boxes;
  ui::testing::RecordingShellService shell;
  TForm1* form = nullptr;
};

TEST_F(MainWindowTest, AClickOnTheAddressOpensItThroughTheShell) {
  const ui::Label& address = form->Label4();
  Click(Platform::WindowOf(form->Panel1()), address.Left() + 2, address.Top() + address.Height() / 2);
  EXPECT_EQ(shell.Opened(), std::vector<std::string>{kHomepageUrl});
  // Beside the address, on the invitation above it, nothing opens.
  Click(Platform::WindowOf(form->Panel1()), form->Label3().Left() + 2, form->Label3().Top() + 2);
  EXPECT_EQ(shell.Opened().size(), 1u);
  EXPECT_TRUE(boxes.Shown().empty());
}

// The system's own shell, not a double: the codes it answers with reach the
// link's messages unchanged (a missing document; one no program opens).
TEST(WebLinkOnTheSystemShellTest, ReportsTheShellsOwnReason) {
  const Platform platform;
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::filesystem::path unopenable = folder / "tolvanix-plimbora.no-program-opens-this";
  std::ofstream(unopenable).put('x');
  const std::pair<std::filesystem::path, std::string> cases[] = {
      {folder / "no such folder" / "nothing.txt", "The specified file was not found."},
      {unopenable, "There is no application associated with the given filename extension."},
  };
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path.string());
    const std::u8string address = path.u8string();
    TWebLink link;
    link.SetURL(std::string(address.begin(), address.end()));
    try {
      link.Execute();
      ADD_FAILURE() << "the shell opened it";
    } catch (const EWebLink& error) {
      EXPECT_EQ(std::string(error.what()), reason);
    }
  }
  std::filesystem::remove(unopenable);
}

// The title bar's minimise button minimises the application's window,
// which the taskbar shows, and the game's window with it; free play goes
// on meanwhile, and the window comes back as it was.
TEST_F(MainWindowTest, MinimisingInFreePlayLeavesTheGameGoingOn) {
  StartFreePlay();
  ASSERT_TRUE(form->Timer1().Enabled());
  ASSERT_TRUE(form->Image2().Visible());
  HWND window = Platform::WindowOf(*form);
  ::SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  platform.ProcessMessages();
  // Windows hides the game's window with its minimised owner; Wine leaves
  // it shown, so that is not asserted here.
  EXPECT_TRUE(::IsIconic(platform.ApplicationWindow()));

  const int progress = form->ProgressBar1().Position();
  EXPECT_TRUE(ui::win32::testing::RunMessagesUntil(
      platform, [&] { return form->ProgressBar1().Position() >= progress + 10; }));
  EXPECT_TRUE(form->Visible());
  EXPECT_FALSE(form->Closed());
  EXPECT_TRUE(form->Timer1().Enabled());
  EXPECT_TRUE(form->Timer2().Enabled());
  EXPECT_TRUE(form->Image2().Visible());
  EXPECT_FALSE(form->GroupBox2().Visible());

  ::SendMessageW(platform.ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  platform.ProcessMessages();
  EXPECT_FALSE(::IsIconic(platform.ApplicationWindow()));
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
