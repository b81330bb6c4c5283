// SPDX-License-Identifier: MIT
#include "ui/Platform.h"

#include "ui/Form.h"

namespace ui {
namespace {

void BindControl(Platform& platform, Control& control) {
  if (!control.GetPeer()) {
    control.SetPeer(platform.MakePeer(control));
    for (Change change : kSyncOrder) control.GetPeer()->Changed(change);
  }
  if (!control.HasWindow()) return;
  for (Control* child : static_cast<WinControl&>(control).Controls()) BindControl(platform, *child);
}

// The controls a component owns may lie in no window, or in one of
// another owner; the timers lie in none.
void BindOwned(Platform& platform, Component& owner) {
  for (const auto& owned : owner.Components()) {
    if (auto* timer = dynamic_cast<Timer*>(owned.get()); timer && !timer->GetPeer()) {
      timer->SetPeer(platform.MakeTimerPeer(*timer));
    }
    if (auto* control = dynamic_cast<Control*>(owned.get())) BindControl(platform, *control);
    BindOwned(platform, *owned);
  }
}

}  // namespace

void Platform::Bind(Form& form) {
  BindControl(*this, form);
  BindOwned(*this, form);
}

}  // namespace ui
