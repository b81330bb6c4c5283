// SPDX-License-Identifier: MIT
#pragma once

#include <QMenuBar>
#include <QPointer>

#include "ui/Form.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a form as a top-level window: the menu bar on top, the client area
// below it at the form's size, the window's frame at the form's position.
// Closing the window asks the model to close the form.
class FormPeer final : public WidgetPeer {
 public:
  FormPeer(Platform& platform, Form& form);

  [[nodiscard]] QWidget* ClientWidget() const override { return client_; }
  [[nodiscard]] QMenuBar* MenuBar() const { return menuBar_; }

  // The form a top-level widget shows, or nullptr for other windows.
  [[nodiscard]] static Form* FormOf(const QWidget* window);

 protected:
  void ApplyOwn(Change what) override;
  void ApplyParent() override {}
  void ApplyBounds() override;
  void ApplyVisible() override;
  void ApplyFocus() override;

 private:
  void BuildMenu();

  Form& form_;
  QPointer<QWidget> client_;
  QPointer<QMenuBar> menuBar_;
};

}  // namespace ui::qt
