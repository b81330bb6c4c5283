// SPDX-License-Identifier: MIT
// The native Windows binding with real windows: what the model decides must
// be what the system shows and does.
#include "ui/win32/Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "base/Exception.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "tests/ui/win32/RunMessagesUntil.h"
#include "ui/Form.h"
#include "ui/Control.h"
#include "ui/StandardControls.h"
#include "ui/MenuItem.h"
#include "ui/Timer.h"
#include "ui/win32/Services.h"

namespace {

using ui::win32::Platform;

// Draws nothing on repaint requests; a test draws on it directly, as the
// board does between them.
class Drawing final : public ui::GraphicControl {};

// A small window: three answers, a button, a drawing area, a menu with an
// F2 command and a timer, each event counted.
class TestForm final : public ui::Form {
 public:
  TestForm() {
    SetBounds(40, 40, 300, 200);
    SetCaption("Binding test");
    for (ui::RadioButton* radio : {&radio1, &radio2, &radio3}) {
      radio->SetParent(this);
      radio->SetBounds(10, 10 + 25 * (radio == &radio2) + 50 * (radio == &radio3), 120, 17);
    }
    radio1.SetCaption("One");
    radio2.SetCaption("Two");
    radio3.SetCaption("Three");
    button.SetParent(this);
    button.SetBounds(150, 10, 80, 25);
    drawing.SetParent(this);
    drawing.SetBounds(150, 100, 40, 40);
    NewGame.SetShortCut(ui::kKeyF2);
    NewGame.OnClick = [this](TObject&) { ++newGames; };
    SetMenu(&menu);
    timer.SetEnabled(false);
    timer.SetInterval(20);
    OnKeyDown = [this](TObject&, int& key, ui::ShiftState) { keys += std::to_string(key) + " "; };
  }

  ui::RadioButton& radio1 = Create<ui::RadioButton>();
  ui::RadioButton& radio2 = Create<ui::RadioButton>();
  ui::RadioButton& radio3 = Create<ui::RadioButton>();
  ui::Button& button = Create<ui::Button>();
  Drawing& drawing = Create<Drawing>();
  ui::MainMenu& menu = Create<ui::MainMenu>();
  ui::MenuItem& Game = menu.Add("&Game");
  ui::MenuItem& NewGame = Game.Add("&New Game");
  ui::Timer& timer = Create<ui::Timer>();
  int newGames = 0;
  std::string keys;
};

class Win32BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    platform.ProcessMessages();
  }

  // Posts a key-down to the window with the system's focus, as the keyboard
  // would, and handles what follows.
  void PressKey(WPARAM key) {
    ASSERT_NE(::GetFocus(), nullptr);
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    platform.ProcessMessages();
  }

  static HWND WindowOf(const ui::Control& control) { return Platform::WindowOf(control); }
  static bool ShownChecked(const ui::RadioButton& radio) {
    return ::SendMessageW(WindowOf(radio), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  Platform platform;
  ui::Application application{&platform};
  TestForm& form = application.CreateForm<TestForm>();
};

TEST_F(Win32BindingTest, ClickingARadioButtonClearsTheOthersOnScreen) {
  ::SendMessageW(WindowOf(form.radio2), BM_CLICK, 0, 0);
  ::SendMessageW(WindowOf(form.radio3), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.radio3.Checked());
  EXPECT_FALSE(form.radio2.Checked());
  EXPECT_FALSE(ShownChecked(form.radio1));
  EXPECT_FALSE(ShownChecked(form.radio2));
  EXPECT_TRUE(ShownChecked(form.radio3));
}

// The system's radio buttons report a click when they get the focus; the
// arrows moving the focus must not select an answer.
TEST_F(Win32BindingTest, FocusMovingOntoARadioButtonDoesNotSelectIt) {
  form.radio1.SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(::GetFocus(), WindowOf(form.radio2));
  EXPECT_FALSE(form.radio2.Checked());
  EXPECT_FALSE(ShownChecked(form.radio2));
}

TEST_F(Win32BindingTest, F2RunsTheMenuCommandWhileAButtonHasTheFocus) {
  form.button.SetFocus();
  ASSERT_EQ(::GetFocus(), WindowOf(form.button));
  PressKey(VK_F2);
  EXPECT_EQ(form.newGames, 1);
  EXPECT_EQ(form.keys, "");
}

TEST_F(Win32BindingTest, ArrowsReachTheWindowOnceTheFocusedControlIsHidden) {
  form.radio1.SetFocus();
  form.radio1.Hide();
  EXPECT_EQ(::GetFocus(), WindowOf(form));
  PressKey(VK_LEFT);
  EXPECT_EQ(form.keys, "37 ");
}

// Destroying a window takes its children along, whose peers live on; their
// handles may later name other windows.
TEST_F(Win32BindingTest, AWindowTheSystemDestroyedNoLongerLeadsToItsControl) {
  const HWND button = WindowOf(form.button);
  ASSERT_NE(Platform::ControlOf(button), nullptr);
  ::DestroyWindow(button);
  EXPECT_EQ(Platform::ControlOf(button), nullptr);
  EXPECT_EQ(WindowOf(form.button), nullptr);
  EXPECT_NE(Platform::ControlOf(WindowOf(form.radio1)), nullptr);
}

// The menu bar is the form's from the start: access letters in the
// system's form, a command's shortcut after a tab.
TEST_F(Win32BindingTest, TheMenuBarShowsTheFormsMenu) {
  const HMENU bar = ::GetMenu(WindowOf(form));
  ASSERT_NE(bar, nullptr);
  wchar_t text[64] = {};
  ::GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&Game");
  ::GetMenuStringW(::GetSubMenu(bar, 0), 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&New Game\tF2");
}

// The running game has the form on screen and the application's window
// standing for it on the taskbar; closing the form ends the run cleanly.
TEST_F(Win32BindingTest, RunShowsTheFormAndTheApplicationsWindowAndLeavesNoQuitBehind) {
  form.Hide();
  bool formShown = false;
  bool applicationShown = false;
  form.timer.OnTimer = [&](TObject&) {
    formShown = ::IsWindowVisible(WindowOf(form)) != FALSE;
    applicationShown = ::IsWindowVisible(platform.ApplicationWindow()) != FALSE;
    form.Close();
  };
  form.timer.SetEnabled(true);
  platform.Run(form);
  EXPECT_TRUE(formShown);
  EXPECT_TRUE(applicationShown);
  // The next loop on this thread, a message box's or a later run's, must
  // not end at once on the closing's quit message.
  MSG quit{};
  EXPECT_FALSE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// What the title bar and the task switcher show: the icon the window was
// given, or else its class's.
TEST_F(Win32BindingTest, TheFormShowsTheApplicationsIconLargeAndSmall) {
  const HWND window = WindowOf(form);
  for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
    auto shown = reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, size, 0));
    if (!shown) shown = reinterpret_cast<HICON>(::GetClassLongPtrW(window, GCLP_HICON));
    EXPECT_EQ(shown, platform.ApplicationIcon()) << (size == ICON_BIG ? "large" : "small");
  }
}

// The form's bounds give its client area below the menu bar; the frame is
// the system's, around it: fixed, with a minimise box and no maximise box.
// Moved, resized, both or neither, the window follows.
TEST_F(Win32BindingTest, TheClientAreaHasTheFormsSizeWhereverItIsMoved) {
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(WindowOf(form), GWL_STYLE));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), static_cast<DWORD>(WS_MINIMIZEBOX));
  struct Place {
    int Left, Top, Width, Height;
  };
  const Place places[] = {{40, 40, 300, 200}, {60, 50, 320, 210}, {60, 50, 320, 210}, {40, 40, 320, 210},
                          {40, 40, 300, 200}};
  for (const Place& place : places) {
    form.SetBounds(place.Left, place.Top, place.Width, place.Height);
    RECT client{};
    ::GetClientRect(WindowOf(form), &client);
    RECT frame{};
    ::GetWindowRect(WindowOf(form), &frame);
    EXPECT_EQ(client.right, place.Width);
    EXPECT_EQ(client.bottom, place.Height);
    EXPECT_EQ(frame.left, place.Left);
    EXPECT_EQ(frame.top, place.Top);
  }
}

// The rule is the model's (ui/Caption.h); here only that it reaches the
// system's window converted from UTF-8.
TEST_F(Win32BindingTest, ACaptionReachesTheControlWidenedInTheSystemsMnemonicForm) {
  form.button.SetCaption("&\xC4\xB2ssel && caf\xC3\xA9 \xE2\x80\x93 <b>");
  wchar_t text[64] = {};
  ::GetWindowTextW(WindowOf(form.button), text, 64);
  EXPECT_EQ(std::wstring(text), L"&\u0132ssel && caf\u00E9 \u2013 <b>");
}

TEST_F(Win32BindingTest, DrawingReachesTheScreenAtOnceClippedToTheControl) {
  form.drawing.Canvas().FillRect(2, 2, 60, 60, clRed);
  HDC dc = ::GetDC(WindowOf(form));
  const COLORREF drawn = ::GetPixel(dc, 150 + 39, 100 + 39);
  const COLORREF beside = ::GetPixel(dc, 150 + 40, 100 + 39);
  ::ReleaseDC(WindowOf(form), dc);
  EXPECT_EQ(drawn, RGB(255, 0, 0));
  EXPECT_NE(beside, RGB(255, 0, 0));
}

TEST_F(Win32BindingTest, ErrorInAHandlerIsReportedAndTheLoopGoesOn) {
  ui::testing::RecordingMessageBoxService boxes;
  int ticks = 0;
  form.timer.OnTimer = [&](TObject&) {
    if (++ticks > 1) return;
    // Switched off and on again, the timer keeps its period and ticks on.
    form.timer.SetEnabled(false);
    form.timer.SetEnabled(true);
    throw Exception("Tick failed");
  };
  form.button.OnClick = [](TObject&) { throw Exception("Click failed"); };
  ::SendMessageW(WindowOf(form.button), BM_CLICK, 0, 0);
  form.timer.SetEnabled(true);
  EXPECT_TRUE(ui::win32::testing::RunMessagesUntil(platform, [&] { return ticks >= 3; }));
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Click failed.");
  EXPECT_EQ(boxes.Shown()[1].Text, "Tick failed.");
  EXPECT_EQ(boxes.Shown()[1].Owner, ui::MessageBoxOwner::Application);
}

// The system refuses a timer to a window that is gone: the application's
// window, through which every timer ticks, goes here, as the only way to
// make the system refuse one on purpose.
TEST_F(Win32BindingTest, ATimerTheSystemRefusesFailsAndStaysDisabled) {
  ASSERT_TRUE(::DestroyWindow(platform.ApplicationWindow()));
  try {
    form.timer.SetEnabled(true);
    FAIL() << "enabling should have failed";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Not enough timers available");
  }
  EXPECT_FALSE(form.timer.Enabled());
}

// A real box without an owner: its own loop must go on ticking the timers
// and routing the main window's keys through the model.
TEST_F(Win32BindingTest, TimersTickAndKeysAreRoutedWhileABoxWithoutOwnerIsOpen) {
  bool boxOpen = false;
  int ticks = 0;
  int newGamesWhileOpen = 0;
  form.NewGame.OnClick = [&](TObject&) { newGamesWhileOpen += boxOpen; };
  form.timer.OnTimer = [&](TObject&) {
    ++ticks;
    if (ticks == 1) ::PostMessageW(WindowOf(form), WM_KEYDOWN, VK_F2, 1);
    if (ticks == 5) {
      // Closes the box as its OK button would.
      ::EnumThreadWindows(
          ::GetCurrentThreadId(),
          [](HWND window, LPARAM) -> BOOL {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770") ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
          },
          0);
    }
  };
  form.timer.SetEnabled(true);
  boxOpen = true;
  ui::ShowMessageBox("Waiting", "Binding test", ui::MB_OK, ui::MessageBoxOwner::None);
  boxOpen = false;
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(newGamesWhileOpen, 1);
}

// A kind of document registered while it lives, its program the test's
// probe: the default verb "other", and "open". (Wine's shell reads the
// classes of the whole machine only.)
class RegisteredDocumentKind final {
 public:
  explicit RegisteredDocumentKind(const std::wstring& program) {
    Set(std::wstring(kExtension), kProgId);
    Set(Key(), L"other");
    for (const wchar_t* verb : {L"other", L"open"}) {
      Set(Key() + L"\\" + verb + L"\\command", L"\"" + program + L"\" " + verb + L" \"%1\"");
    }
  }
  ~RegisteredDocumentKind() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, std::wstring(kProgId).c_str());
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, std::wstring(kExtension).c_str());
  }
  RegisteredDocumentKind(const RegisteredDocumentKind&) = delete;
  RegisteredDocumentKind& operator=(const RegisteredDocumentKind&) = delete;

  static constexpr const wchar_t* kExtension = L".tpprobe";

 private:
  static constexpr const wchar_t* kProgId = L"TolvanixPlimbora.ShellProbe";
  static std::wstring Key() { return std::wstring(kProgId) + L"\\shell"; }
  static void Set(const std::wstring& key, const std::wstring& value) {
    ::RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
};

}  // namespace

// The shell is asked for the document's "open" command, not its default
// one, and to show the program normally: the probe, standing for the
// document's program, writes down how it was started.
TEST(Win32ShellTest, OpensWithTheOpenVerbAndShowsTheProgramNormally) {
  wchar_t path[MAX_PATH] = {};
  const std::filesystem::path tests(std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH)));
  const RegisteredDocumentKind kind((tests.parent_path() / L"shell_probe.exe").wstring());
  const std::filesystem::path document =
      std::filesystem::temp_directory_path() / (L"tolvanix-plimbora-shell" + std::wstring(kind.kExtension));
  std::filesystem::path seen = document;
  seen += L".seen";
  std::filesystem::remove(seen);
  std::ofstream(document).put('x');
  const std::u8string address = document.u8string();
  EXPECT_GT(ui::win32::DesktopShell().Open(std::string(address.begin(), address.end())), 32);
  for (int wait = 0; wait < 200 && !std::filesystem::exists(seen); ++wait) ::Sleep(50);
  std::ostringstream started;
  started << std::ifstream(seen).rdbuf();
  EXPECT_EQ(started.str(), "open " + std::to_string(SW_SHOWNORMAL));
  std::filesystem::remove(seen);
  std::filesystem::remove(document);
}
