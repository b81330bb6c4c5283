// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "ui/Control.h"
#include "ui/Timer.h"

namespace ui::web {

// The element that shows a control: a native control for the windowed
// kinds (so the browser gives them their roles), text for labels, a canvas
// for pictures and for controls that draw their own pixels. It is told
// what changed and reads the new state from the model.
class ElementPeer final : public Peer {
 public:
  explicit ElementPeer(Control& control);
  ~ElementPeer() override;

  void Changed(Change what) override;
  void Drawn(const Rect& area) override;

  [[nodiscard]] int Id() const { return id_; }

 private:
  void ShowCaption();
  void ShowFocus();
  void ShowMenu();

  Control& control_;
  ControlKind kind_;
  int id_;
  bool menuShown_ = false;
};

// The element id that shows `control`; 0 while it has no element.
[[nodiscard]] int ElementOf(const Control* control);

// A timer over the browser's interval timer.
class IntervalTimer final : public TimerPeer {
 public:
  explicit IntervalTimer(Timer& timer) : timer_(timer) {}
  ~IntervalTimer() override;
  [[nodiscard]] bool Start(unsigned interval) override;
  void Stop() override;
  // One interval passed; a tick still waiting to run is not doubled.
  void Ticked();

 private:
  Timer& timer_;
  int handle_ = 0;
  std::shared_ptr<bool> pending_ = std::make_shared<bool>(false);
};

}  // namespace ui::web
