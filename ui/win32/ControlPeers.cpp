// SPDX-License-Identifier: MIT
// The peers of every kind of control, and the choice among them.

#include <algorithm>

#include "base/Exception.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/WindowlessPeers.h"
#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

// A press gives the control the focus through the model, before the
// native control acts on it.
bool FocusOnPress(Platform& platform, WinControl& control, UINT message) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    platform.Guard([&control] {
      if (control.CanFocus()) control.SetFocus();
    });
  }
  return false;
}

class ButtonPeer final : public WindowPeer {
 public:
  ButtonPeer(Platform& platform, Button& button) : WindowPeer(platform, button), button_(button) {
    Create(L"BUTTON", BS_PUSHBUTTON);
  }

 protected:
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    return FocusOnPress(GetPlatform(), button_, message) || WindowPeer::Handle(message, wParam, lParam, result);
  }
  void Notified(WORD code) override {
    if (code == BN_CLICKED) GetPlatform().Guard([this] { button_.Click(); });
  }

 private:
  Button& button_;
};

class RadioButtonPeer final : public WindowPeer {
 public:
  RadioButtonPeer(Platform& platform, RadioButton& radio) : WindowPeer(platform, radio), radio_(radio) {
    Create(L"BUTTON", BS_RADIOBUTTON);
  }

 protected:
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    return FocusOnPress(GetPlatform(), radio_, message) || WindowPeer::Handle(message, wParam, lParam, result);
  }
  void Notified(WORD code) override {
    // A radio button that the model gives the focus reports a click of its
    // own accord; only the user's clicks select.
    if (code != BN_CLICKED || FocusBeingSet()) return;
    GetPlatform().Guard([this] { radio_.Click(); });
    ShowChecked();
  }
  void ApplyOwn(Change what) override {
    if (what == Change::Checked) ShowChecked();
  }

 private:
  void ShowChecked() {
    ::SendMessageW(Window(), BM_SETCHECK, radio_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  RadioButton& radio_;
};

class GroupBoxPeer final : public WindowPeer {
 public:
  GroupBoxPeer(Platform& platform, GroupBox& box) : WindowPeer(platform, box) {
    Create(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN);
  }
};

// A window of the platform's own class inside a raised edge.
class PanelPeer final : public WindowPeer {
 public:
  PanelPeer(Platform& platform, Panel& panel) : WindowPeer(platform, panel) {
    Create(Platform::kWindowClass, WS_CLIPCHILDREN);
  }

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
  ProgressBarPeer(Platform& platform, ProgressBar& bar) : WindowPeer(platform, bar), bar_(bar) {
    Create(PROGRESS_CLASSW, 0);
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

}  // namespace

std::unique_ptr<Peer> Platform::MakePeer(Control& control) {
  if (!applicationWindow_) throw Exception("Error creating window");
  switch (control.Kind()) {
    case ControlKind::Form: return std::make_unique<FormPeer>(*this, static_cast<Form&>(control));
    case ControlKind::Button: return std::make_unique<ButtonPeer>(*this, static_cast<Button&>(control));
    case ControlKind::RadioButton: return std::make_unique<RadioButtonPeer>(*this, static_cast<RadioButton&>(control));
    case ControlKind::GroupBox: return std::make_unique<GroupBoxPeer>(*this, static_cast<GroupBox&>(control));
    case ControlKind::Panel: return std::make_unique<PanelPeer>(*this, static_cast<Panel&>(control));
    case ControlKind::ProgressBar: return std::make_unique<ProgressBarPeer>(*this, static_cast<ProgressBar&>(control));
    case ControlKind::Label: return MakeLabelPeer(*this, static_cast<Label&>(control));
    case ControlKind::Image: return MakePicturePeer(*this, static_cast<Image&>(control));
    case ControlKind::Drawing: return MakeDrawingPeer(*this, static_cast<GraphicControl&>(control));
  }
  throw Exception("Unknown control kind");
}

}  // namespace ui::win32
