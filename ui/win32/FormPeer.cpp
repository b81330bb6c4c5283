// SPDX-License-Identifier: MIT
#include "ui/win32/FormPeer.h"

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

// Menu command identifiers start above the ones the system uses in boxes.
constexpr UINT kFirstCommand = 100;

// A single fixed border with a minimise box and no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

FormPeer::FormPeer(Platform& platform, Form& form) : WindowPeer(platform, form), form_(form) {
  // Made with its menu and at its full size: giving a top-level window
  // either afterwards costs the system milliseconds each.
  menu_ = MakeMenu();
  const SIZE frame = FrameSize();
  HWND window = ::CreateWindowExW(0, Platform::kWindowClass, L"", kStyle, form.Left(), form.Top(), frame.cx,
                                  frame.cy, platform.ApplicationWindow(), menu_, platform.Instance(), nullptr);
  if (!window) {
    if (menu_) ::DestroyMenu(menu_);
    throw Exception("Error creating window");
  }
  Adopt(window);
  // The large icon is the class's, the application's own (RegisterClasses);
  // setting it on the window as well would only have the system convert it
  // once more. The small one is set: the class's would be the system's copy
  // made at a small size, drawn less well than the icon shrunk in the title
  // bar.
  ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(platform.ApplicationIcon()));
  // Access letters stay underlined, not only while Alt is held.
  ::SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
}

FormPeer::~FormPeer() {
  // The window destroys the menu it shows; one taken off it is left here.
  if (menu_ && ::GetMenu(Window()) != menu_) ::DestroyMenu(menu_);
}

Form* FormPeer::FormOf(HWND window) {
  if (!window) return nullptr;
  auto* peer = dynamic_cast<FormPeer*>(FromWindow(::GetAncestor(window, GA_ROOT)));
  return peer ? &peer->form_ : nullptr;
}

bool FormPeer::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CLOSE:
      GetPlatform().Guard([this] {
        if (!form_.Closed()) form_.Close();
      });
      result = 0;
      return true;
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= kFirstCommand &&
          LOWORD(wParam) < kFirstCommand + commands_.size()) {
        MenuItem* item = commands_[LOWORD(wParam) - kFirstCommand];
        GetPlatform().Guard([item] { item->Click(); });
        result = 0;
        return true;
      }
      break;
    case WM_SYSCOMMAND:
      // The taskbar shows the application's window, which owns this one:
      // minimising it takes the form along and leaves the taskbar button.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        ::ShowWindow(GetPlatform().ApplicationWindow(), SW_MINIMIZE);
        result = 0;
        return true;
      }
      break;
    case WM_SETFOCUS:
      if (form_.ActiveControl()) FocusActiveControl();
      result = 0;
      return true;
    default: break;
  }
  return WindowPeer::Handle(message, wParam, lParam, result);
}

void FormPeer::ApplyOwn(Change what) {
  switch (what) {
    case Change::Layout:
      if (form_.Menu() != shownMenu_) BuildMenu();
      ApplyBounds();
      break;
    case Change::Closed:
      ::ShowWindow(Window(), SW_HIDE);
      GetPlatform().FormClosed(form_);
      break;
    default: break;
  }
}

// A title bar shows its text as written, with no access letters.
void FormPeer::ApplyCaption() { ::SetWindowTextW(Window(), Widen(form_.Caption()).c_str()); }

SIZE FormPeer::FrameSize() const {
  RECT frame{0, 0, form_.Width(), form_.Height()};
  ::AdjustWindowRectEx(&frame, kStyle, menu_ != nullptr, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormPeer::ApplyBounds() {
  const SIZE frame = FrameSize();
  // Moving a top-level window costs the system milliseconds even to the
  // place where it already is, which start-up would pay twice.
  RECT shown{};
  ::GetWindowRect(Window(), &shown);
  if (shown.left != form_.Left() || shown.top != form_.Top() || shown.right - shown.left != frame.cx ||
      shown.bottom - shown.top != frame.cy) {
    ::SetWindowPos(Window(), nullptr, form_.Left(), form_.Top(), frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A menu bar too long for the width takes two lines, which the frame's
  // arithmetic does not know: the client area is measured and made right.
  RECT client{};
  ::GetClientRect(Window(), &client);
  const int missing = form_.Height() - (client.bottom - client.top);
  if (missing != 0) {
    ::SetWindowPos(Window(), nullptr, 0, 0, frame.cx, frame.cy + missing, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

void FormPeer::ApplyVisible() {
  if (!form_.Visible()) {
    ::ShowWindow(Window(), SW_HIDE);
    return;
  }
  if (::IsWindowVisible(Window())) return;
  ::ShowWindow(Window(), SW_SHOWNORMAL);
  ::UpdateWindow(Window());
  FocusActiveControl();
}

void FormPeer::ApplyFocus() {
  if (form_.ActiveControl()) return;
  // With no control focused the window itself takes the keys.
  HWND focused = ::GetFocus();
  if (focused && ::IsChild(Window(), focused)) SetSystemFocus(Window());
}

void FormPeer::FocusActiveControl() {
  const WinControl* active = form_.ActiveControl();
  HWND target = active ? Platform::WindowOf(*active) : nullptr;
  SetSystemFocus(target ? target : Window());
}

void FormPeer::BuildMenu() {
  HMENU previous = menu_;
  menu_ = MakeMenu();
  ::SetMenu(Window(), menu_);
  if (previous) ::DestroyMenu(previous);
}

HMENU FormPeer::MakeMenu() {
  shownMenu_ = form_.Menu();
  commands_.clear();
  HMENU bar = nullptr;
  if (shownMenu_) {
    bar = ::CreateMenu();
    // One item and the items under it; a command's text is its caption,
    // then a tab and the shortcut's name, which the menu shows at the right.
    // The shortcut itself is matched by the model's key routing.
    auto add = [this](auto& self, HMENU menu, MenuItem& item) -> void {
      if (item.IsSeparator()) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      } else if (!item.Items().empty()) {
        HMENU popup = ::CreatePopupMenu();
        for (MenuItem* child : item.Items()) self(self, popup, *child);
        ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), Widen(MnemonicText(item.Caption())).c_str());
      } else {
        std::wstring text = Widen(MnemonicText(item.Caption()));
        if (const std::string shortCut = item.ShortCutText(); !shortCut.empty()) {
          text += L'\t' + Widen(shortCut);
        }
        commands_.push_back(&item);
        ::AppendMenuW(menu, MF_STRING, kFirstCommand + commands_.size() - 1, text.c_str());
      }
    };
    for (MenuItem* item : form_.Menu()->Items()) add(add, bar, *item);
  }
  return bar;
}

}  // namespace ui::win32
