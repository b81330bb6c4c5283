// SPDX-License-Identifier: MIT
#include "ui/win32/WindowPeer.h"

#include <unordered_map>

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/win32/Platform.h"
#include "ui/win32/WindowlessPeers.h"

namespace ui::win32 {
namespace {

// The peer of each window made here. A table of the process rather than a
// window property: every message looks its window up, and reading a
// property can be a call to the window server (it is one under Wine), which
// the start-up alone would pay more than a hundred times. Nor the user data,
// which windows made elsewhere may use.
std::unordered_map<HWND, WindowPeer*>& Peers() {
  static std::unordered_map<HWND, WindowPeer*> peers;
  return peers;
}

// Forgets the window's peer, unless the handle already names another one's.
void Forget(HWND window, const WindowPeer* peer) {
  const auto found = Peers().find(window);
  if (found != Peers().end() && found->second == peer) Peers().erase(found);
}

// True while the model moves the focus: a radio button that the system
// gives the focus reports a click of its own accord, which is not the
// user's.
bool focusBeingSet = false;

// The point of a mouse message, in the window's client area; signed, as a
// captured mouse reports points outside it.
POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

RECT ToRECT(const Rect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

}  // namespace

WindowPeer::WindowPeer(Platform& platform, Control& control) : platform_(platform), control_(control) {}

WindowPeer::~WindowPeer() {
  Forget(window_, this);
  if (!window_ || !::IsWindow(window_)) return;
  if (native_) ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native_));
  ::DestroyWindow(window_);
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  const auto found = Peers().find(window);
  return found != Peers().end() ? found->second : nullptr;
}

LRESULT CALLBACK WindowPeer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowPeer* peer = FromWindow(window);
  if (!peer) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The system destroys a window with its parent. Its handle may then
    // come back for another window, which this peer must neither hear from
    // nor destroy.
    Forget(window, peer);
    peer->window_ = nullptr;
    return peer->native_ ? ::CallWindowProcW(peer->native_, window, message, wParam, lParam)
                         : ::DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (peer->Handle(message, wParam, lParam, result)) return result;
  return peer->native_ ? ::CallWindowProcW(peer->native_, window, message, wParam, lParam)
                       : ::DefWindowProcW(window, message, wParam, lParam);
}

void WindowPeer::Create(const wchar_t* windowClass, DWORD style) {
  HWND parent = control_.Parent() ? Platform::WindowOf(*control_.Parent()) : nullptr;
  if (!parent) parent = platform_.ApplicationWindow();
  HWND window = ::CreateWindowExW(0, windowClass, L"", style | WS_CHILD | WS_CLIPSIBLINGS, control_.Left(),
                                  control_.Top(), control_.Width(), control_.Height(), parent, nullptr,
                                  platform_.Instance(), nullptr);
  if (!window) throw Exception("Error creating window");
  Adopt(window);
  // Later controls lie above earlier ones.
  ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowPeer::Adopt(HWND window) {
  window_ = window;
  Peers()[window] = this;
  const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (procedure != &WindowPeer::WindowProc) {
    native_ = procedure;
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowPeer::WindowProc));
  }
}

void WindowPeer::Changed(Change what) {
  if (!window_) return;
  switch (what) {
    case Change::Bounds: ApplyBounds(); break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Enabled: ::EnableWindow(window_, control_.Enabled()); break;
    case Change::Caption: ApplyCaption(); break;
    case Change::Font:
      ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(platform_.FontOf(control_.Font())), TRUE);
      ::InvalidateRect(window_, nullptr, TRUE);
      break;
    case Change::Parent: ApplyParent(); break;
    case Change::Focus: ApplyFocus(); break;
    default: break;
  }
  ApplyOwn(what);
}

void WindowPeer::ApplyCaption() { ::SetWindowTextW(window_, Widen(MnemonicText(control_.Caption())).c_str()); }

void WindowPeer::ApplyBounds() {
  ::SetWindowPos(window_, nullptr, control_.Left(), control_.Top(), control_.Width(), control_.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::ApplyVisible() { ::ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE); }

void WindowPeer::ApplyFocus() {
  auto* window = dynamic_cast<WinControl*>(&control_);
  if (window && window->Focused()) SetSystemFocus(window_);
}

void WindowPeer::ApplyParent() {
  HWND parent = control_.Parent() ? Platform::WindowOf(*control_.Parent()) : nullptr;
  if (!parent) parent = platform_.ApplicationWindow();
  // A new window is made in its parent already.
  if (::GetParent(window_) == parent) return;
  ::SetParent(window_, parent);
  ApplyBounds();
  ApplyVisible();
}

void WindowPeer::SetSystemFocus(HWND window) const {
  // A window that does not show yet gets the focus when its form shows.
  if (!::IsWindowVisible(::GetAncestor(window, GA_ROOT))) return;
  focusBeingSet = true;
  ::SetFocus(window);
  focusBeingSet = false;
}

bool WindowPeer::FocusBeingSet() const { return focusBeingSet; }

HBRUSH WindowPeer::ColorsFor(HDC dc) {
  ::SetTextColor(dc, ToColorRef(control_.Font().Color));
  ::SetBkColor(dc, ToColorRef(clBtnFace));
  return platform_.FaceBrush();
}

bool WindowPeer::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return HandleChildMessage(message, wParam, lParam, result) || HandleWindowless(message, wParam, lParam, result);
}

bool WindowPeer::HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
  WindowPeer* child = lParam ? FromWindow(reinterpret_cast<HWND>(lParam)) : nullptr;
  if (!child) return false;
  if (message == WM_COMMAND) {
    child->Notified(HIWORD(wParam));
    result = 0;
  } else {
    result = reinterpret_cast<LRESULT>(child->ColorsFor(reinterpret_cast<HDC>(wParam)));
  }
  return true;
}

bool WindowPeer::HandleWindowless(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      ::GetClientRect(window_, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, platform_.FaceBrush());
      result = TRUE;
      return true;
    }
    case WM_PAINT: {
      if (native_) {
        // The native control paints itself first; the windowless controls
        // inside it go on top.
        RECT update{};
        ::GetUpdateRect(window_, &update, FALSE);
        result = ::CallWindowProcW(native_, window_, message, wParam, lParam);
        HDC dc = ::GetDC(window_);
        PaintWindowless(dc, update);
        ::ReleaseDC(window_, dc);
        return true;
      }
      PAINTSTRUCT paint{};
      HDC dc = ::BeginPaint(window_, &paint);
      PaintOwn(dc);
      PaintWindowless(dc, paint.rcPaint);
      ::EndPaint(window_, &paint);
      result = 0;
      return true;
    }
    case WM_LBUTTONDOWN:
      pressed_ = WindowlessAt(PointOf(lParam));
      return false;
    case WM_LBUTTONUP: {
      GraphicControl* released = WindowlessAt(PointOf(lParam));
      GraphicControl* pressed = pressed_;
      pressed_ = nullptr;
      if (pressed && released == pressed) platform_.Guard([pressed] { pressed->Click(); });
      return false;
    }
    case WM_SETCURSOR: {
      if (LOWORD(lParam) != HTCLIENT) return false;
      POINT point{};
      ::GetCursorPos(&point);
      ::ScreenToClient(window_, &point);
      const GraphicControl* under = WindowlessAt(point);
      if (!under || under->Cursor() != Cursor::HandPoint) return false;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    }
    default: return false;
  }
}

GraphicControl* WindowPeer::WindowlessAt(POINT point) const {
  auto* window = dynamic_cast<WinControl*>(&control_);
  if (!window) return nullptr;
  const auto& controls = window->Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    auto* graphic = dynamic_cast<GraphicControl*>(*it);
    // The board takes no mouse input: a click on it goes to what lies below.
    if (!graphic || (!dynamic_cast<Label*>(graphic) && !dynamic_cast<Image*>(graphic))) continue;
    if (!graphic->Visible() || !graphic->Enabled()) continue;
    const Rect bounds = graphic->BoundsRect();
    if (point.x >= bounds.Left && point.x < bounds.Right && point.y >= bounds.Top && point.y < bounds.Bottom) {
      return graphic;
    }
  }
  return nullptr;
}

void WindowPeer::PaintWindowless(HDC dc, const RECT& area) const {
  auto* window = dynamic_cast<WinControl*>(&control_);
  if (!window) return;
  for (Control* child : window->Controls()) {
    if (child->HasWindow() || !child->Visible()) continue;
    auto* peer = dynamic_cast<WindowlessPeer*>(child->GetPeer());
    const RECT bounds = ToRECT(child->BoundsRect());
    RECT common{};
    if (!peer || !::IntersectRect(&common, &bounds, &area)) continue;
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    peer->Paint(dc);
    ::RestoreDC(dc, saved);
  }
}

}  // namespace ui::win32
