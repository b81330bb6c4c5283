// SPDX-License-Identifier: MIT
#include "ui/win32/Platform.h"

#include <memory>

#include "base/Exception.h"

namespace ui::win32 {
namespace {

// A window timer of the system, ticking through the application's window.
class SystemTimer final : public TimerPeer {
 public:
  SystemTimer(Platform& platform, ui::Timer& timer) : platform_(platform), timer_(timer) {}
  ~SystemTimer() override { platform_.StopTimer(timer_); }

  bool Start(unsigned interval) override { return platform_.StartTimer(timer_, interval); }
  void Stop() override { platform_.StopTimer(timer_); }

 private:
  Platform& platform_;
  ui::Timer& timer_;
};

// The modifier keys held as the key message was sent.
ShiftState ShiftStateOf(const MSG& message) {
  const bool alt = message.message == WM_SYSKEYDOWN ? (message.lParam & (1 << 29)) != 0 : ::GetKeyState(VK_MENU) < 0;
  return {.Shift = ::GetKeyState(VK_SHIFT) < 0, .Alt = alt, .Ctrl = ::GetKeyState(VK_CONTROL) < 0};
}

}  // namespace

Platform* Platform::current_ = nullptr;

Platform::Platform() : instance_(::GetModuleHandleW(nullptr)) {
  if (current_) throw Exception("Only one platform can run at a time");
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&controls);
  icon_ = ::LoadIconW(instance_, L"MAINICON");
  if (!icon_) icon_ = ::LoadIconW(nullptr, IDI_APPLICATION);
  RegisterClasses();
  // No size: the window stands for the application on the taskbar and owns
  // the forms, whose captions may then change freely. It sits at the
  // centre of the screen, where boxes it owns are centred.
  applicationWindow_ = ::CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                                         ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                                         0, nullptr, nullptr, instance_, nullptr);
  // Without it no form can be shown: that is reported when the first form
  // is bound, inside the start-up's own error report, not here, where the
  // error would end the process before any box could say why.
  SetSystemColors(SystemColorsFromSystem());
  messageFilter_ = ::SetWindowsHookExW(WH_MSGFILTER, &Platform::MessageFilter, nullptr, ::GetCurrentThreadId());
  current_ = this;
}

Platform::~Platform() {
  current_ = nullptr;
  if (messageFilter_) ::UnhookWindowsHookEx(messageFilter_);
  for (const auto& [id, timer] : timers_) ::KillTimer(applicationWindow_, id);
  ::DestroyWindow(applicationWindow_);
  SetSystemColors(DefaultSystemColors());
}

void Platform::RegisterClasses() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Platform::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = icon_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kWindowClass;
  // Forms set their small icon themselves, and the other windows of the
  // class show none: the icon itself spares the system making a small copy
  // of it. The taskbar shows the application's window with the copy.
  windowClass.hIconSm = icon_;
  ::RegisterClassExW(&windowClass);
  windowClass.hIconSm = nullptr;
  windowClass.lpfnWndProc = &Platform::ApplicationProc;
  windowClass.lpszClassName = kApplicationClass;
  ::RegisterClassExW(&windowClass);
}

std::unique_ptr<TimerPeer> Platform::MakeTimerPeer(ui::Timer& timer) {
  return std::make_unique<SystemTimer>(*this, timer);
}

void Platform::Run(Form& mainForm) {
  running_ = &mainForm;
  // The form first: the application's window adds only the taskbar's
  // button, and showing even that costs milliseconds (a window of the
  // display server under Wine) that the first frame need not wait for.
  Guard([&mainForm] { mainForm.Show(); });
  ::ShowWindow(applicationWindow_, SW_SHOWNA);
  MSG message{};
  while (!mainForm.Closed() && ::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  // Closing the form posted a quit message that the loop ended before
  // reading; left queued, it would end the thread's next loop at once.
  ::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  running_ = nullptr;
}

void Platform::ProcessMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void Platform::Dispatch(MSG& message) {
  if (RouteKey(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

bool Platform::RouteKey(const MSG& message) {
  const UINT kind = message.message;
  if (kind != WM_KEYDOWN && kind != WM_SYSKEYDOWN && kind != WM_KEYUP && kind != WM_CHAR) return false;
  Form* form = FormOf(message.hwnd);
  if (!form) return false;
  switch (kind) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      KeyRoute route = KeyRoute::Handlers;
      const int key = static_cast<int>(message.wParam);
      const ShiftState shift = ShiftStateOf(message);
      Guard([&] { route = form->KeyDown(key, shift); });
      // Keys with Alt, and F10, then reach the window, whose menu opens on
      // them as usual; they type no character for the game.
      if (kind == WM_SYSKEYDOWN) return false;
      // The character follows unless the menu or the navigation took the
      // key; it arrives as WM_CHAR, routed below.
      if (route == KeyRoute::Handlers) ::TranslateMessage(&message);
      return true;
    }
    case WM_CHAR: {
      const auto character = static_cast<char32_t>(message.wParam);
      Guard([&] { form->KeyPress(character); });
      return true;
    }
    default:
      // A native button would click on the release of a space the model
      // has already handled.
      return true;
  }
}

LRESULT CALLBACK Platform::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  // Inside a message box's loop, keys for a form go through the model as
  // in the main loop; a menu's own loop keeps its keys.
  if (code >= 0 && code != MSGF_MENU && current_ && current_->RouteKey(*reinterpret_cast<const MSG*>(lParam))) {
    return TRUE;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Platform::ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Platform* platform = current_;
  if (!platform) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER: {
      const auto found = platform->timers_.find(wParam);
      if (found != platform->timers_.end()) {
        ui::Timer* timer = found->second;
        platform->Guard([timer] { timer->Tick(); });
      }
      return 0;
    }
    case WM_SETFOCUS:
      // Activated from the taskbar: the main form takes over.
      if (platform->running_) {
        if (HWND main = WindowOf(*platform->running_); main && ::IsWindowVisible(main)) ::SetFocus(main);
      }
      return 0;
    case WM_CLOSE:
      // Closed from the taskbar: the main form closes, which ends the game.
      if (const Form* main = platform->running_) {
        platform->Guard([main] { const_cast<Form*>(main)->Close(); });
      }
      return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

void Platform::CancelMouseMode() { ::ReleaseCapture(); }

void Platform::TitleChanged(const std::string& title) { ::SetWindowTextW(applicationWindow_, Widen(title).c_str()); }

void Platform::FormClosed(const Form& form) {
  if (&form == running_) ::PostQuitMessage(0);
}

bool Platform::StartTimer(ui::Timer& timer, unsigned interval) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  timers_[id] = &timer;
  if (::SetTimer(applicationWindow_, id, interval, nullptr) != 0) return true;
  timers_.erase(id);
  return false;
}

void Platform::StopTimer(ui::Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timers_.erase(id) != 0) ::KillTimer(applicationWindow_, id);
}

}  // namespace ui::win32
