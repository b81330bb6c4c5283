// SPDX-License-Identifier: MIT
#include "ui/win32/WindowlessPeers.h"

#include "ui/Caption.h"
#include "ui/StandardControls.h"
#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

class LabelPeer final : public WindowlessPeer {
 public:
  LabelPeer(Platform& platform, Label& label) : WindowlessPeer(platform, label), label_(label) {}

 protected:
  // DrawText reads no markup; its prefix processing underlines the access
  // letter and shows "&&" as "&". Long text breaks at word boundaries and is
  // cut off at the bottom by the clipping.
  void Draw(HDC dc, const RECT& bounds) override {
    RECT area = bounds;
    ::FillRect(dc, &area, GetPlatform().FaceBrush());
    const HGDIOBJ previous = ::SelectObject(dc, GetPlatform().FontOf(label_.Font()));
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
    HINSTANCE instance = GetPlatform().Instance();
    bitmap_ = static_cast<HBITMAP>(::LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap_) icon_ = static_cast<HICON>(::LoadImageW(instance, name.c_str(), IMAGE_ICON, 0, 0, 0));
    if (!bitmap_ && !icon_) {
      bitmap_ = static_cast<HBITMAP>(
          ::LoadImageW(nullptr, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADFROMFILE));
    }
    if (!bitmap_ && !icon_) icon_ = static_cast<HICON>(::LoadImageW(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
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
    const RECT bounds = Bounds();
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
      GetPlatform().Guard([this] { control_.Update(); });
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

}  // namespace

WindowlessPeer::WindowlessPeer(Platform& platform, GraphicControl& control) : platform_(platform), control_(control) {}

void WindowlessPeer::Changed(Change what) {
  switch (what) {
    case Change::Bounds:
    case Change::Visible:
    case Change::Parent:
      // Both where it was and where it is now.
      InvalidateShown(true);
      shownIn_ = ParentWindow();
      shownAt_ = Bounds();
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

void WindowlessPeer::Paint(HDC dc) {
  if (control_.Visible()) Draw(dc, Bounds());
}

HWND WindowlessPeer::ParentWindow() const {
  return control_.Parent() ? Platform::WindowOf(*control_.Parent()) : nullptr;
}

RECT WindowlessPeer::Bounds() const {
  const Rect bounds = control_.BoundsRect();
  return {bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
}

// A window that does not show is painted whole when it shows.
void WindowlessPeer::InvalidateShown(bool erase) {
  if (shownIn_ && ::IsWindowVisible(shownIn_)) ::InvalidateRect(shownIn_, &shownAt_, erase ? TRUE : FALSE);
}

std::unique_ptr<WindowlessPeer> MakeLabelPeer(Platform& platform, Label& label) {
  return std::make_unique<LabelPeer>(platform, label);
}

std::unique_ptr<WindowlessPeer> MakePicturePeer(Platform& platform, Image& image) {
  return std::make_unique<PicturePeer>(platform, image);
}

std::unique_ptr<WindowlessPeer> MakeDrawingPeer(Platform& platform, GraphicControl& control) {
  return std::make_unique<DrawingPeer>(platform, control);
}

}  // namespace ui::win32
