// SPDX-License-Identifier: MIT
// The windows that show the controls: one peer for every kind, chosen in
// Platform::MakePeer. Each reads the model when told of a change and hands
// the user's actions back to it through the error guard.
#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

class WindowPeer;

// The peer of each window made here. A table of the process rather than a
// window property: every message looks its window up, and reading a
// property can be a call to the window server (it is one under Wine), which
// the start-up alone would pay more than a hundred times. Nor the user data,
// which windows made elsewhere may use.
std::unordered_map<HWND, WindowPeer*>& Peers() {
  static std::unordered_map<HWND, WindowPeer*> peers;
  return peers;
}

WindowPeer* PeerOf(HWND window) {
  const auto found = Peers().find(window);
  return found != Peers().end() ? found->second : nullptr;
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
POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

RECT ToRECT(const Rect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

// The peer of a windowless control: it has no window, and paints on its
// parent's client area, clipped to its own rectangle, whenever the parent
// paints; a change of the control asks the parent to repaint its area.
class WindowlessPeer : public Peer {
 public:
  WindowlessPeer(Platform& platform, GraphicControl& control) : platform_(platform), control_(control) {}

  void Changed(Change what) override {
    switch (what) {
      case Change::Bounds:
      case Change::Visible:
      case Change::Parent:
        // Both where it was and where it is now.
        InvalidateShown(true);
        shownIn_ = ParentWindow();
        shownAt_ = ToRECT(control_.BoundsRect());
        InvalidateShown(true);
        break;
      case Change::Invalidated: InvalidateShown(false); break;
      case Change::Caption:
      case Change::Font:
      case Change::Enabled:
      case Change::Layout:
      case Change::Picture: InvalidateShown(true); break;
      default: break;
    }
  }

  // Paints the control at its place in the parent's client area; `dc` is
  // clipped to the control's rectangle.
  void Paint(HDC dc) {
    if (control_.Visible()) Draw(dc, ToRECT(control_.BoundsRect()));
  }

 protected:
  // What the control shows, drawn at `bounds` in the parent's client area.
  virtual void Draw(HDC dc, const RECT& bounds) = 0;

  [[nodiscard]] HWND ParentWindow() const {
    return control_.Parent() ? Platform::WindowOf(*control_.Parent()) : nullptr;
  }

  Platform& platform_;

 private:
  // A window that does not show is painted whole when it shows.
  void InvalidateShown(bool erase) {
    if (shownIn_ && ::IsWindowVisible(shownIn_)) ::InvalidateRect(shownIn_, &shownAt_, erase ? TRUE : FALSE);
  }

  GraphicControl& control_;
  HWND shownIn_ = nullptr;
  RECT shownAt_{};
};

class LabelPeer final : public WindowlessPeer {
 public:
  LabelPeer(Platform& platform, Label& label) : WindowlessPeer(platform, label), label_(label) {}

 protected:
  // DrawText reads no markup; its prefix processing underlines the access
  // letter and shows "&&" as "&". Long text breaks at word boundaries and is
  // cut off at the bottom by the clipping.
  void Draw(HDC dc, const RECT& bounds) override {
    RECT area = bounds;
    ::FillRect(dc, &area, platform_.FaceBrush());
    const HGDIOBJ previous = ::SelectObject(dc, platform_.FontOf(label_.Font()));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ToColorRef(label_.Enabled() ? label_.Font().Color : clGrayText));
    const std::wstring text = Widen(MnemonicText(label_.Caption()));
    const UINT format = DT_LEFT | DT_TOP | (label_.WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    ::SelectObject(dc, previous);
  }

 private:
  Label& label_;
};

// A picture named by a resource of the executable (a bitmap or an icon) or
// by a file. A bitmap is drawn stretched by dropping or repeating rows and
// columns, never averaging them; an icon at its own size with its mask.
class PicturePeer final : public WindowlessPeer {
 public:
  PicturePeer(Platform& platform, Image& image) : WindowlessPeer(platform, image), image_(image) {}
  ~PicturePeer() override { Unload(); }

  void Changed(Change what) override {
    if (what == Change::Picture) Load();
    WindowlessPeer::Changed(what);
  }

 protected:
  void Draw(HDC dc, const RECT& bounds) override {
    if (icon_) {
      ::DrawIconEx(dc, bounds.left, bounds.top, icon_, 0, 0, 0, nullptr, DI_NORMAL);
      return;
    }
    if (!bitmap_) return;
    BITMAP size{};
    ::GetObjectW(bitmap_, sizeof size, &size);
    HDC source = ::CreateCompatibleDC(dc);
    const HGDIOBJ previous = ::SelectObject(source, bitmap_);
    ::SetStretchBltMode(dc, COLORONCOLOR);
    const int width = image_.Stretch() ? bounds.right - bounds.left : size.bmWidth;
    const int height = image_.Stretch() ? bounds.bottom - bounds.top : size.bmHeight;
    ::StretchBlt(dc, bounds.left, bounds.top, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
  }

 private:
  void Load() {
    Unload();
    if (image_.Picture().empty()) return;
    const std::wstring name = Widen(image_.Picture());
    // A resource of the executable first, then a file.
    for (HINSTANCE source : {platform_.Instance(), HINSTANCE{}}) {
      const UINT file = source ? 0 : LR_LOADFROMFILE;
      bitmap_ = static_cast<HBITMAP>(::LoadImageW(source, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | file));
      if (!bitmap_) icon_ = static_cast<HICON>(::LoadImageW(source, name.c_str(), IMAGE_ICON, 0, 0, file));
      if (bitmap_ || icon_) return;
    }
  }

  void Unload() {
    if (bitmap_) ::DeleteObject(bitmap_);
    if (icon_) ::DestroyIcon(icon_);
    bitmap_ = nullptr;
    icon_ = nullptr;
  }

  Image& image_;
  HBITMAP bitmap_ = nullptr;
  HICON icon_ = nullptr;
};

// A control that draws for itself (the board), shown from its own pixels,
// at once when it draws and whole when its parent paints.
class DrawingPeer final : public WindowlessPeer {
 public:
  DrawingPeer(Platform& platform, GraphicControl& control) : WindowlessPeer(platform, control), control_(control) {}

  // Drawing happens at any moment, not only when the parent paints: the
  // changed pixels go straight onto the parent's client area.
  void Drawn(const Rect& area) override {
    if (painting_ || !control_.CanDraw()) return;
    HWND parent = ParentWindow();
    if (!parent || !::IsWindowVisible(parent)) return;
    HDC dc = ::GetDC(parent);
    const RECT bounds = ToRECT(control_.BoundsRect());
    ::IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    Blit(dc, bounds, area);
    ::ReleaseDC(parent, dc);
  }

 protected:
  void Draw(HDC dc, const RECT& bounds) override {
    // A repaint still owed is done first; what it draws is shown with the
    // rest below.
    if (control_.PaintPending()) {
      painting_ = true;
      platform_.Guard([this] { control_.Update(); });
      painting_ = false;
    }
    const Canvas& canvas = control_.Canvas();
    Blit(dc, bounds, {0, 0, canvas.Width(), canvas.Height()});
  }

 private:
  // Copies the canvas pixels of `area` (in the control's coordinates) to
  // the control's place. Only the rows of the area are handed over, as a
  // top-down bitmap of their own, so that no reading of the source's
  // vertical origin can shift them.
  void Blit(HDC dc, const RECT& bounds, const Rect& area) const {
    const Canvas& canvas = control_.Canvas();
    const Rect part = area.Intersect({0, 0, canvas.Width(), canvas.Height()});
    if (part.IsEmpty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.Width();
    info.bmiHeader.biHeight = -part.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::uint32_t* rows = canvas.Bits() + static_cast<std::size_t>(part.Top) * static_cast<std::size_t>(canvas.Width());
    ::SetDIBitsToDevice(dc, bounds.left + part.Left, bounds.top + part.Top, static_cast<DWORD>(part.Width()),
                        static_cast<DWORD>(part.Height()), part.Left, 0, 0, static_cast<UINT>(part.Height()), rows,
                        &info, DIB_RGB_COLORS);
  }

  GraphicControl& control_;
  bool painting_ = false;
};

// The window that shows one windowed control: a native control (a button,
// a frame, a gauge) or a window of the platform's own class (a form, a
// panel). It keeps the window in step with the model (place, visibility,
// enabled state, caption, font, focus) and, as the parent of windowless
// controls, paints them on its client area and reports their clicks. Every
// message of the window passes through Handle first; native controls keep
// their own procedure for the rest.
class WindowPeer : public Peer {
 public:
  // The peer of a window made by a derived class (a form's).
  WindowPeer(Platform& platform, WinControl& control) : platform_(platform), control_(control) {}
  // Makes the window: a child of the parent's window (or of the
  // application's window while the control has no parent), then stacked
  // above its windowed siblings made before it.
  WindowPeer(Platform& platform, WinControl& control, const wchar_t* windowClass, DWORD style)
      : WindowPeer(platform, control) {
    HWND window = ::CreateWindowExW(0, windowClass, L"", style | WS_CHILD | WS_CLIPSIBLINGS, control_.Left(),
                                    control_.Top(), control_.Width(), control_.Height(), ParentWindow(), nullptr,
                                    platform_.Instance(), nullptr);
    if (!window) throw Exception("Error creating window");
    Adopt(window);
    // Later controls lie above earlier ones.
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  ~WindowPeer() override {
    Forget(window_, this);
    if (!window_ || !::IsWindow(window_)) return;
    if (native_) ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native_));
    ::DestroyWindow(window_);
  }

  void Changed(Change what) override {
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
      case Change::Checked:
        if (control_.Kind() != ControlKind::RadioButton) break;
        ::SendMessageW(window_, BM_SETCHECK, static_cast<RadioButton&>(control_).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      default: break;
    }
    ApplyOwn(what);
  }

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] WinControl& GetControl() const { return control_; }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowPeer* peer = PeerOf(window);
    if (!peer) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // The system destroys a window with its parent. Its handle may then
      // come back for another window, which this peer must neither hear
      // from nor destroy.
      Forget(window, peer);
      peer->window_ = nullptr;
    } else if (LRESULT result = 0; peer->Handle(message, wParam, lParam, result)) {
      return result;
    }
    return peer->native_ ? ::CallWindowProcW(peer->native_, window, message, wParam, lParam)
                         : ::DefWindowProcW(window, message, wParam, lParam);
  }

 protected:
  // A form's window is made by the form's peer; this attaches it.
  void Adopt(HWND window) {
    window_ = window;
    Peers()[window] = this;
    const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
    // The platform's own class has the procedure already; a native
    // control's is kept for what the peer leaves to it.
    if (procedure != &Platform::WindowProc) {
      native_ = procedure;
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Platform::WindowProc));
    }
  }

  // A message for the window; true with `result` set when it is handled.
  // A press gives a button the focus through the model, before the native
  // control acts on it.
  virtual bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const ControlKind kind = control_.Kind();
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
        (kind == ControlKind::Button || kind == ControlKind::RadioButton)) {
      platform_.Guard([this] {
        if (control_.CanFocus()) control_.SetFocus();
      });
    }
    return HandleChildMessage(message, wParam, lParam, result) || HandleWindowless(message, wParam, lParam, result);
  }
  // Paints what a window of the platform's own class shows besides its
  // windowless controls, after the background.
  virtual void PaintOwn(HDC /*dc*/) {}
  // The changes particular to one kind of control.
  virtual void ApplyOwn(Change /*what*/) {}

  virtual void ApplyCaption() { ::SetWindowTextW(window_, Widen(MnemonicText(control_.Caption())).c_str()); }

  virtual void ApplyBounds() {
    ::SetWindowPos(window_, nullptr, control_.Left(), control_.Top(), control_.Width(), control_.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }

  virtual void ApplyVisible() { ::ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE); }

  // A dynamic cast, as a control that is destroyed gives up its focus.
  virtual void ApplyFocus() {
    auto* window = dynamic_cast<WinControl*>(static_cast<Control*>(&control_));
    if (window && window->Focused()) SetSystemFocus(window_);
  }

  virtual void ApplyParent() {
    HWND parent = ParentWindow();
    // A new window is made in its parent already.
    if (::GetParent(window_) == parent) return;
    ::SetParent(window_, parent);
    ApplyBounds();
    ApplyVisible();
  }

  // Moves the focus in the window, telling native controls apart from a
  // focus that the user's click gives.
  static void SetSystemFocus(HWND window) {
    // A window that does not show yet gets the focus when its form shows.
    if (!::IsWindowVisible(::GetAncestor(window, GA_ROOT))) return;
    focusBeingSet = true;
    ::SetFocus(window);
    focusBeingSet = false;
  }

  Platform& platform_;

 private:
  [[nodiscard]] HWND ParentWindow() const {
    HWND parent = control_.Parent() ? Platform::WindowOf(*control_.Parent()) : nullptr;
    return parent ? parent : platform_.ApplicationWindow();
  }

  bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_COMMAND && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    WindowPeer* child = lParam ? PeerOf(reinterpret_cast<HWND>(lParam)) : nullptr;
    if (!child) return false;
    if (message == WM_COMMAND) {
      // A radio button that the model gives the focus reports a click of
      // its own accord; only the user's clicks select.
      if (HIWORD(wParam) == BN_CLICKED && !focusBeingSet) {
        platform_.Guard([child] { child->control_.Click(); });
        child->Changed(Change::Checked);
      }
      result = 0;
      return true;
    }
    // The brush and text colours the native control draws with.
    const auto dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, ToColorRef(child->control_.Font().Color));
    ::SetBkColor(dc, ToColorRef(clBtnFace));
    result = reinterpret_cast<LRESULT>(platform_.FaceBrush());
    return true;
  }

  bool HandleWindowless(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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
          // The native control paints itself first; the windowless
          // controls inside it go on top.
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
      case WM_LBUTTONDOWN: pressed_ = WindowlessAt(PointOf(lParam)); return false;
      case WM_LBUTTONUP: {
        GraphicControl* released = WindowlessAt(PointOf(lParam));
        GraphicControl* pressed = std::exchange(pressed_, nullptr);
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

  // The windowless control under a point of the client area that reports
  // clicks or shows a cursor; nullptr if none. The board takes no mouse
  // input: a click on it goes to what lies below.
  [[nodiscard]] GraphicControl* WindowlessAt(POINT point) const {
    const auto& controls = control_.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      Control* child = *it;
      if (child->HasWindow() || child->Kind() == ControlKind::Drawing || !child->Visible() || !child->Enabled()) continue;
      const Rect bounds = child->BoundsRect();
      if (point.x >= bounds.Left && point.x < bounds.Right && point.y >= bounds.Top && point.y < bounds.Bottom) {
        return static_cast<GraphicControl*>(child);
      }
    }
    return nullptr;
  }

  // Paints the windowless controls inside this window that meet `area`,
  // each clipped to its own rectangle.
  void PaintWindowless(HDC dc, const RECT& area) const {
    for (Control* child : control_.Controls()) {
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

  WinControl& control_;
  HWND window_ = nullptr;
  WNDPROC native_ = nullptr;
  GraphicControl* pressed_ = nullptr;
};

// A window of the platform's own class inside a raised edge.
class PanelPeer final : public WindowPeer {
 public:
  PanelPeer(Platform& platform, Panel& panel) : WindowPeer(platform, panel, Platform::kWindowClass, WS_CLIPCHILDREN) {}

 protected:
  void ApplyCaption() override {}
  void PaintOwn(HDC dc) override {
    RECT client{};
    ::GetClientRect(Window(), &client);
    ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
  }
};

// The classic common control fills its bar in segments. A theme would draw
// it smooth, so it is given a theme class that no theme has (an empty one
// reads as none given at all on some systems). The model clamps the
// position first.
class ProgressBarPeer final : public WindowPeer {
 public:
  ProgressBarPeer(Platform& platform, ProgressBar& bar) : WindowPeer(platform, bar, PROGRESS_CLASSW, 0), bar_(bar) {
    using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    // Loaded when needed: a system without themes has no theme library.
    static const auto setWindowTheme =
        reinterpret_cast<SetWindowThemeFunction>(SystemFunction(L"uxtheme.dll", "SetWindowTheme"));
    if (setWindowTheme) setWindowTheme(Window(), L" ", L" ");
    // Unthemed, the gauge has a sunken edge around it, which its frame takes
    // only once told.
    ::SetWindowPos(Window(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 protected:
  void ApplyCaption() override {}
  void ApplyOwn(Change what) override {
    if (what != Change::Position) return;
    ::SendMessageW(Window(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()),
                   static_cast<LPARAM>(std::max(bar_.Min(), bar_.Max())));
    ::SendMessageW(Window(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
  }

 private:
  ProgressBar& bar_;
};

// Menu command identifiers start above the ones the system uses in boxes.
constexpr UINT kFirstCommand = 100;

// A single fixed border with a minimise box and no maximise box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Shows a form as a top-level window owned by the application's window:
// the outer frame at the form's position, the client area below the menu
// bar at the form's size. Closing it asks the model to close the form;
// the menu's commands and the frame's minimise button go through the
// model and the application's window.
class FormPeer final : public WindowPeer {
 public:
  FormPeer(Platform& platform, Form& form) : WindowPeer(platform, form), form_(form) {
    // Made with its menu and at its full size: giving a top-level window
    // either afterwards costs the system milliseconds each.
    menu_ = MakeMenu();
    const SIZE frame = FrameSize();
    HWND window = ::CreateWindowExW(0, Platform::kWindowClass, L"", kFormStyle, form.Left(), form.Top(), frame.cx,
                                    frame.cy, platform.ApplicationWindow(), menu_, platform.Instance(), nullptr);
    if (!window) {
      if (menu_) ::DestroyMenu(menu_);
      throw Exception("Error creating window");
    }
    Adopt(window);
    // The large icon is the class's, the application's own; setting it on
    // the window as well would only have the system convert it once more.
    // The small one is set: the class's would be the system's copy made at
    // a small size, drawn less well than the icon shrunk in the title bar.
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(platform.ApplicationIcon()));
    // Access letters stay underlined, not only while Alt is held.
    ::SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  }

  // The window destroys the menu it shows; one taken off it is left here.
  ~FormPeer() override {
    if (menu_ && ::GetMenu(Window()) != menu_) ::DestroyMenu(menu_);
  }

  [[nodiscard]] Form& GetForm() const { return form_; }

 protected:
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_CLOSE:
        platform_.Guard([this] {
          if (!form_.Closed()) form_.Close();
        });
        result = 0;
        return true;
      case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= kFirstCommand &&
            LOWORD(wParam) < kFirstCommand + commands_.size()) {
          MenuItem* item = commands_[LOWORD(wParam) - kFirstCommand];
          platform_.Guard([item] { item->Click(); });
          result = 0;
          return true;
        }
        break;
      case WM_SYSCOMMAND:
        // The taskbar shows the application's window, which owns this one:
        // minimising it takes the form along and leaves the taskbar button.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
          ::ShowWindow(platform_.ApplicationWindow(), SW_MINIMIZE);
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

  void ApplyOwn(Change what) override {
    if (what == Change::Layout) {
      if (form_.Menu() != shownMenu_) BuildMenu();
      ApplyBounds();
    } else if (what == Change::Closed) {
      ::ShowWindow(Window(), SW_HIDE);
      platform_.FormClosed(form_);
    }
  }

  // A title bar shows its text as written, with no access letters.
  void ApplyCaption() override { ::SetWindowTextW(Window(), Widen(form_.Caption()).c_str()); }

  void ApplyParent() override {}

  void ApplyBounds() override {
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

  void ApplyVisible() override {
    if (!form_.Visible()) {
      ::ShowWindow(Window(), SW_HIDE);
      return;
    }
    if (::IsWindowVisible(Window())) return;
    ::ShowWindow(Window(), SW_SHOWNORMAL);
    ::UpdateWindow(Window());
    FocusActiveControl();
  }

  // With no control focused the window itself takes the keys.
  void ApplyFocus() override {
    if (form_.ActiveControl()) return;
    HWND focused = ::GetFocus();
    if (focused && ::IsChild(Window(), focused)) SetSystemFocus(Window());
  }

 private:
  // The outer size of the window whose client area, below the menu bar if
  // there is one, has the form's size.
  [[nodiscard]] SIZE FrameSize() const {
    RECT frame{0, 0, form_.Width(), form_.Height()};
    ::AdjustWindowRectEx(&frame, kFormStyle, menu_ != nullptr, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
  }

  // Gives the system's focus to the model's focused control, or to the
  // window itself when none has it.
  void FocusActiveControl() {
    const WinControl* active = form_.ActiveControl();
    HWND target = active ? Platform::WindowOf(*active) : nullptr;
    SetSystemFocus(target ? target : Window());
  }

  // Shows the form's menu bar in place of the one shown.
  void BuildMenu() {
    HMENU previous = menu_;
    menu_ = MakeMenu();
    ::SetMenu(Window(), menu_);
    if (previous) ::DestroyMenu(previous);
  }

  // Makes the form's menu bar, its commands listed in commands_; nullptr
  // for a form without one.
  [[nodiscard]] HMENU MakeMenu() {
    shownMenu_ = form_.Menu();
    commands_.clear();
    if (!shownMenu_) return nullptr;
    HMENU bar = ::CreateMenu();
    for (MenuItem* item : shownMenu_->Items()) AddMenuItem(bar, *item);
    return bar;
  }

  // One item and the items under it; a command's text is its caption, then
  // a tab and the shortcut's name, which the menu shows at the right. The
  // shortcut itself is matched by the model's key routing.
  void AddMenuItem(HMENU menu, MenuItem& item) {
    std::wstring text = Widen(MnemonicText(item.Caption()));
    if (item.IsSeparator()) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.Items().empty()) {
      HMENU popup = ::CreatePopupMenu();
      for (MenuItem* child : item.Items()) AddMenuItem(popup, *child);
      ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
    } else {
      if (const std::string shortCut = item.ShortCutText(); !shortCut.empty()) text += L'\t' + Widen(shortCut);
      commands_.push_back(&item);
      ::AppendMenuW(menu, MF_STRING, kFirstCommand + commands_.size() - 1, text.c_str());
    }
  }

  Form& form_;
  HMENU menu_ = nullptr;
  const MainMenu* shownMenu_ = nullptr;
  std::vector<MenuItem*> commands_;
};

}  // namespace

std::unique_ptr<Peer> Platform::MakePeer(Control& control) {
  if (!applicationWindow_) throw Exception("Error creating window");
  switch (control.Kind()) {
    case ControlKind::Form: return std::make_unique<FormPeer>(*this, static_cast<Form&>(control));
    case ControlKind::Button:
      return std::make_unique<WindowPeer>(*this, static_cast<Button&>(control), L"BUTTON", BS_PUSHBUTTON);
    case ControlKind::RadioButton:
      // Not BS_AUTORADIOBUTTON: exclusivity and tab stops are the model's.
      return std::make_unique<WindowPeer>(*this, static_cast<RadioButton&>(control), L"BUTTON", BS_RADIOBUTTON);
    case ControlKind::GroupBox:
      return std::make_unique<WindowPeer>(*this, static_cast<GroupBox&>(control), L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN);
    case ControlKind::Panel: return std::make_unique<PanelPeer>(*this, static_cast<Panel&>(control));
    case ControlKind::ProgressBar: return std::make_unique<ProgressBarPeer>(*this, static_cast<ProgressBar&>(control));
    case ControlKind::Label: return std::make_unique<LabelPeer>(*this, static_cast<Label&>(control));
    case ControlKind::Image: return std::make_unique<PicturePeer>(*this, static_cast<Image&>(control));
    case ControlKind::Drawing: return std::make_unique<DrawingPeer>(*this, static_cast<GraphicControl&>(control));
  }
  throw Exception("Unknown control kind");
}

LRESULT CALLBACK Platform::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return WindowPeer::WindowProc(window, message, wParam, lParam);
}

HWND Platform::WindowOf(const Control& control) {
  auto* peer = dynamic_cast<WindowPeer*>(control.GetPeer());
  return peer ? peer->Window() : nullptr;
}

Control* Platform::ControlOf(HWND window) {
  WindowPeer* peer = PeerOf(window);
  return peer ? &peer->GetControl() : nullptr;
}

Form* Platform::FormOf(HWND window) {
  auto* peer = window ? dynamic_cast<FormPeer*>(PeerOf(::GetAncestor(window, GA_ROOT))) : nullptr;
  return peer ? &peer->GetForm() : nullptr;
}

}  // namespace ui::win32
