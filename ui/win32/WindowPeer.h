// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Control.h"
#include "ui/StandardControls.h"
#include "ui/win32/SystemHeaders.h"

namespace ui::win32 {

class Platform;

// The window that shows one windowed control: a native control (a button,
// a frame, a gauge) or a window of the platform's own class (a form, a
// panel). It keeps the window in step with the model (place, visibility,
// enabled state, caption, font, focus) and, as the parent of windowless
// controls, paints them on its client area and reports their clicks. Every
// message of the window passes through Handle first; native controls keep
// their own procedure for the rest.
class WindowPeer : public Peer {
 public:
  WindowPeer(Platform& platform, Control& control);
  ~WindowPeer() override;

  void Changed(Change what) override;

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] Control& GetControl() const { return control_; }
  // The peer of a window made here; nullptr for any other window.
  [[nodiscard]] static WindowPeer* FromWindow(HWND window);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Makes the window: a child of the parent's window (or of the
  // application's window while the control has no parent), then stacked
  // above its windowed siblings made before it.
  void Create(const wchar_t* windowClass, DWORD style);
  // A form's window is made by the form's peer; this attaches it.
  void Adopt(HWND window);

  // A message for the window; true with `result` set when it is handled.
  virtual bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A notification of the native control (BN_CLICKED...), from its parent.
  virtual void Notified(WORD /*code*/) {}
  // Paints what a window of the platform's own class shows besides its
  // windowless controls, after the background.
  virtual void PaintOwn(HDC /*dc*/) {}
  // The brush and text colours the native control draws with.
  virtual HBRUSH ColorsFor(HDC dc);

  // The changes particular to one kind of control.
  virtual void ApplyOwn(Change /*what*/) {}
  virtual void ApplyCaption();
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  virtual void ApplyFocus();
  virtual void ApplyParent();

  // Paints the windowless controls inside this window that meet `area`,
  // each clipped to its own rectangle.
  void PaintWindowless(HDC dc, const RECT& area) const;
  // Moves the focus in the window, telling native controls apart from a
  // focus that the user's click gives.
  void SetSystemFocus(HWND window) const;

  [[nodiscard]] Platform& GetPlatform() const { return platform_; }
  [[nodiscard]] bool FocusBeingSet() const;

 private:
  // The windowless control under a point of the client area that reports
  // clicks or shows a cursor; nullptr if none.
  [[nodiscard]] GraphicControl* WindowlessAt(POINT point) const;
  bool HandleWindowless(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  Platform& platform_;
  Control& control_;
  HWND window_ = nullptr;
  WNDPROC native_ = nullptr;
  GraphicControl* pressed_ = nullptr;
};

}  // namespace ui::win32
