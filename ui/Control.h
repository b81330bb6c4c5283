// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Object.h"
#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Font.h"

namespace ui {

class Form;
class WinControl;

enum class Cursor { Default, HandPoint };

// The kinds of control the model knows, named once here, the windowed ones
// first; Drawing is any other windowless control, one that draws for itself
// on its canvas. Each control reports its kind, and a binding picks its
// peer by a switch over them without a default, so that a kind it does not
// handle fails to compile.
enum class ControlKind { Form, Button, RadioButton, GroupBox, Panel, ProgressBar, Label, Image, Drawing };

// What changed in a control, so that its peer updates only that part of
// what it shows. Position is a progress bar's range or position, Layout a
// property of a control's own look (word wrap, the menu), Invalidated a
// windowless control's wish to be painted.
enum class Change {
  Bounds, Visible, Enabled, Caption, Font, Cursor, Parent,
  Focus, Checked, Position, Picture, Layout, Invalidated, Closed
};

// The platform's side of a control: the object that shows it. The model
// tells its peer what changed; the peer reads the new state from the model
// and reports the user's actions back through the model's operations. A
// control without a peer behaves the same, unseen.
class Peer {
 public:
  Peer() = default;
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;
  virtual ~Peer() = default;

  virtual void Changed(Change what) = 0;
  // A windowless control drew on its own pixels at `area`, in its own
  // coordinates; the peer puts them on the screen.
  virtual void Drawn(const Rect& /*area*/) {}
};

// Anything placed in a window: its place in the parent's client area, its
// visibility, enabled state, caption and font. Every control shows on the
// button-face colour. A control is either windowed (WinControl: takes the
// focus, holds other controls) or windowless (GraphicControl: drawn in its
// parent's client area).
class Control : public Component {
 public:
  ~Control() override;

  // The kind, fixed when the control is made.
  [[nodiscard]] ControlKind Kind() const { return kind_; }
  // True for controls with a window of their own. They lie above the
  // windowless controls of the same parent.
  [[nodiscard]] bool HasWindow() const { return kind_ < ControlKind::Label; }

  [[nodiscard]] WinControl* Parent() const { return parent_; }
  // Moves the control into another window's client area; nullptr takes it
  // out of every window. A control that held the focus loses it.
  void SetParent(WinControl* parent);
  // The form this control lies in, following parents; nullptr if none.
  [[nodiscard]] Form* ParentForm() const;
  // True if `other` is this control or lies inside it.
  [[nodiscard]] bool Contains(const Control* other) const;

  [[nodiscard]] int Left() const { return bounds_.Left; }
  [[nodiscard]] int Top() const { return bounds_.Top; }
  [[nodiscard]] int Width() const { return bounds_.Width(); }
  [[nodiscard]] int Height() const { return bounds_.Height(); }
  // The control's rectangle in its parent's client area.
  [[nodiscard]] Rect BoundsRect() const { return bounds_; }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  // Moves and sizes in one step; a negative size is taken as 0.
  void SetBounds(int left, int top, int width, int height);

  [[nodiscard]] bool Visible() const { return visible_; }
  // Showing or hiding; hiding the control that has the focus, or one that
  // holds it, leaves its form with no focused control.
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent visible too, up to a visible form.
  [[nodiscard]] bool Showing() const;

  [[nodiscard]] bool Enabled() const { return enabled_; }
  // Disabling the control that has the focus (or holds it) leaves no
  // control focused, as a disabled control takes no input.
  void SetEnabled(bool enabled);

  // The caption as stored, "&" marks included (see ParseCaption).
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // What assistive technology calls the control: the name given where the
  // caption does not say what the control is or does (a "?" button, a
  // picture, the board), otherwise the caption as shown.
  [[nodiscard]] std::string AccessibleName() const;
  void SetAccessibleName(std::string name);

  // The window font until the control is given one of its own.
  [[nodiscard]] const ui::Font& Font() const { return font_; }
  void SetFont(const ui::Font& font);

  [[nodiscard]] ui::Cursor Cursor() const { return cursor_; }
  void SetCursor(ui::Cursor cursor);

  // A click by the user (or a program acting as one): runs OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

  // Attaches the platform's peer; it is told of every later change.
  void SetPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }
  [[nodiscard]] Peer* GetPeer() const { return peer_.get(); }

 protected:
  explicit Control(ControlKind kind) : kind_(kind) {}

  // Tells the peer, if any, what changed.
  void Changed(Change what);
  // Stores a property's new value; false, storing nothing, when it has it
  // already, so that a setter tells its peer only of real changes.
  template <class T>
  static bool Store(T& property, T value) {
    if (property == value) return false;
    property = std::move(value);
    return true;
  }
  // Hooks for derived controls, after the change is stored.
  virtual void BoundsChanged() {}
  virtual void ShowingChanged() {}
  // The caption or the font changed.
  virtual void TextChanged() {}

 private:
  // Runs ShowingChanged on the control and on every control inside it.
  void ShowingChangedInside();
  void DropFocusInside();

  const ControlKind kind_;
  WinControl* parent_ = nullptr;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string accessibleName_;
  ui::Font font_;
  ui::Cursor cursor_ = ui::Cursor::Default;
  std::unique_ptr<Peer> peer_;

  friend class WinControl;
  friend class Form;
};

// A control with a window of its own: it holds other controls and can take
// the focus.
class WinControl : public Control {
 public:
  ~WinControl() override;

  // The controls whose parent this is, in the order they were placed.
  [[nodiscard]] const std::vector<Control*>& Controls() const { return controls_; }

  // The position among the windowed siblings for Tab; ties keep the order
  // of placing. A new control goes after the siblings it finds.
  [[nodiscard]] int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
  // Whether Tab stops here.
  [[nodiscard]] bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  // In a form, and visible and enabled up to it (the form itself may still
  // be hidden).
  [[nodiscard]] bool CanFocus() const;
  // Gives this control the focus; raises Exception when it cannot take it.
  void SetFocus();
  [[nodiscard]] bool Focused() const;

 protected:
  explicit WinControl(ControlKind kind) : Control(kind) {}

 private:
  void InsertControl(Control& control);
  void RemoveControl(Control& control);

  std::vector<Control*> controls_;
  int tabOrder_ = 0;
  bool tabStop_ = false;

  friend class Control;
};

// A control without a window of its own: it shows in its parent's client
// area, clipped to its own rectangle, and takes neither the focus nor keys.
// One that draws for itself (the board) does so on its Canvas.
class GraphicControl : public Control {
 public:
  // The full repaint of the control's area; called on repaint requests.
  virtual void Paint() {}

  // Draws at once, in coordinates relative to the control.
  [[nodiscard]] ui::Canvas& Canvas() { return canvas_; }
  [[nodiscard]] const ui::Canvas& Canvas() const { return canvas_; }

  // True while the control shows, so that drawing reaches the screen;
  // before, drawing is skipped and the control is painted whole when it
  // shows.
  [[nodiscard]] bool CanDraw() const { return showing_; }

  // Asks for a repaint soon, if the control shows: the platform calls
  // Update from its loop. Showing, moving or resizing the control asks by
  // itself.
  void Invalidate();
  [[nodiscard]] bool PaintPending() const { return paintPending_; }
  // Paints now if a repaint was asked for and the control shows.
  void Update();

 protected:
  // A control that draws for itself unless a kind says otherwise.
  explicit GraphicControl(ControlKind kind = ControlKind::Drawing) : Control(kind) {}

  void BoundsChanged() override { Invalidate(); }
  void ShowingChanged() override;

 private:
  ui::Canvas canvas_{*this};
  bool showing_ = false;
  bool paintPending_ = false;
};

}  // namespace ui
