// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Rect.h"

namespace ui {

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
  Layout,       // a property of a control's own look: word wrap, the frame's border, the menu
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

}  // namespace ui
