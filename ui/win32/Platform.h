// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Application.h"
#include "ui/Platform.h"
#include "ui/Timer.h"
#include "ui/win32/Services.h"
#include "ui/win32/SystemHeaders.h"

namespace ui::win32 {

// The native Windows platform over user32, gdi32 and comctl32. Made before
// the application, it registers the window classes, makes the
// application's own window (the one the taskbar shows, titled with the
// application's title, which owns every form), installs the message boxes,
// the shell, the text measure and the system colours, and hooks the
// message loops of message boxes so that keys for a form are routed by the
// model there too. One platform at a time.
class Platform final : public ui::Platform {
 public:
  Platform();
  ~Platform() override;

  // Raises Exception("Error creating window") when a window for the
  // control, or the application's own window, cannot be made.
  [[nodiscard]] std::unique_ptr<Peer> MakePeer(Control& control) override;
  [[nodiscard]] std::unique_ptr<TimerPeer> MakeTimerPeer(ui::Timer& timer) override;
  void Run(Form& mainForm) override;
  void Attach(Application* application) override { application_ = application; }
  void CancelMouseMode() override;
  void TitleChanged(const std::string& title) override;

  // Runs a call from the system into the model under the application's
  // error guard; no exception ever crosses a window procedure.
  void Guard(const std::function<void()>& action) noexcept { Application::Guard(application_, action); }

  // Handles the messages waiting in the queue as the loop would, then
  // returns; for tests, which drive the windows without Run.
  void ProcessMessages();

  // Plays a key message for a form's window into the model's routing (menu
  // shortcuts, focus navigation, the form's handlers); true when it is
  // done with, false when the system should handle it as usual.
  bool RouteKey(const MSG& message);

  [[nodiscard]] HINSTANCE Instance() const { return instance_; }
  [[nodiscard]] HWND ApplicationWindow() const { return applicationWindow_; }
  [[nodiscard]] HFONT FontOf(const Font& font) { return fonts_.Get(font); }
  [[nodiscard]] HBRUSH FaceBrush() const { return ::GetSysColorBrush(COLOR_BTNFACE); }
  // The icon of the title bar and the taskbar: MAINICON if the executable
  // holds one.
  [[nodiscard]] HICON ApplicationIcon() const { return icon_; }

  // The window that shows a windowed control; nullptr for a windowless or
  // unbound one.
  [[nodiscard]] static HWND WindowOf(const Control& control);
  // The control a window made here shows, and the form whose window holds
  // `window` (or is it); nullptr for other windows, such as a box's.
  [[nodiscard]] static Control* ControlOf(HWND window);
  [[nodiscard]] static Form* FormOf(HWND window);
  // The procedure of every window made here.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // The model closed a form; closing the main form ends Run.
  void FormClosed(const Form& form);

  // Timers tick through the application's window; a timer is known here
  // while it runs.
  [[nodiscard]] bool StartTimer(ui::Timer& timer, unsigned interval);
  void StopTimer(ui::Timer& timer);

  // The classes of the forms and panels, and of the application's window.
  static constexpr const wchar_t* kWindowClass = L"TolvanixPlimboraWindow";
  static constexpr const wchar_t* kApplicationClass = L"TolvanixPlimboraApplication";

 private:
  void Dispatch(MSG& message);
  void RegisterClasses();
  static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);

  static Platform* current_;

  HINSTANCE instance_;
  HICON icon_ = nullptr;
  HWND applicationWindow_ = nullptr;
  HHOOK messageFilter_ = nullptr;
  Application* application_ = nullptr;
  const Form* running_ = nullptr;
  std::map<UINT_PTR, ui::Timer*> timers_;
  FontCache fonts_;
  MessageBoxes messageBoxes_{*this};
  DesktopShell shell_;
  TextMetrics textMetrics_{*this};
  ScopedService<MessageBoxService> messageBoxesInstalled_{messageBoxes_};
  ScopedService<ShellService> shellInstalled_{shell_};
  ScopedService<TextMeasure> textMetricsInstalled_{textMetrics_};
};

}  // namespace ui::win32
