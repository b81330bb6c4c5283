// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// What changed in a control or menu item, so that its peer updates only
// that part of what it shows.
enum class Change {
  Bounds,
  Visible,
  Enabled,
  Caption,
  Font,
  Color,
  Cursor,
  Parent,
  Focus,
  Checked,
  Range,
  Position,
  Picture,
  Layout,     // a property of a control's own look (bevel, word wrap, ...)
  Menu,
  ShortCut,
  Invalidated,  // a windowless control wants to be painted
  Closed,
};

// The platform's side of a control or menu item: the object that shows it.
// The model tells its peer what changed; the peer reads the new state from
// the model and reports the user's actions back through the model's
// operations. A control without a peer behaves the same, unseen.
class Peer {
 public:
  Peer() = default;
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;
  virtual ~Peer() = default;

  virtual void Changed(Change what) = 0;
};

}  // namespace ui
