// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/Control.h"

namespace ui::qt {

class Platform;

// The Qt widget that shows one control. It owns the widget and keeps it in
// step with the model: place, visibility, enabled state, font and its
// colour, cursor, focus and the caption of buttons and frames here, the
// rest in the peer of each kind of control that needs more.
class WidgetPeer : public Peer {
 public:
  WidgetPeer(Platform& platform, Control& control, QWidget* widget);
  ~WidgetPeer() override;

  void Changed(Change what) override;

  [[nodiscard]] QWidget* Widget() const { return widget_; }
  // The control a peer's widget shows, or nullptr for other widgets.
  [[nodiscard]] static Control* ControlOf(const QObject* widget);
  // The widget that holds the widgets of the control's children.
  [[nodiscard]] virtual QWidget* ClientWidget() const { return widget_; }

 protected:
  // The changes particular to one kind of control.
  virtual void ApplyOwn(Change /*what*/) {}
  virtual void ApplyParent();
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  virtual void ApplyFocus();

  [[nodiscard]] Platform& GetPlatform() const { return platform_; }

 private:
  void ApplyFont();

  Platform& platform_;
  Control& control_;
  QPointer<QWidget> widget_;
};

}  // namespace ui::qt
