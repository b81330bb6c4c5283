// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "base/Object.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Rect.h"

namespace ui {

class Form;
class WinControl;

enum class Cursor { Default, HandPoint };

// What changed in a control, so that its peer updates only that part of
// what it shows.
enum class Change {
  Bounds,
  Visible,
  Enabled,
  Caption,
  Font,
  Cursor,
  Parent,
  Focus,
  Checked,
  Position,     // a progress bar's range or position
  Picture,
  Layout,       // a property of a control's own look: word wrap, the menu
  Invalidated,  // a windowless control wants to be painted
  Closed,
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

  // True for controls with a window of their own. They lie above the
  // windowless controls of the same parent.
  [[nodiscard]] virtual bool HasWindow() const = 0;

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
  Control() = default;

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

}  // namespace ui
