// SPDX-License-Identifier: MIT
#include "ui/qt/FocusOnPress.h"

#include <QEvent>
#include <QMouseEvent>

#include "ui/qt/Platform.h"

namespace ui::qt {
namespace {

class FocusOnPressFilter final : public QObject {
 public:
  FocusOnPressFilter(Platform& platform, WinControl& control, QObject* parent)
      : QObject(parent), platform_(platform), control_(control) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      platform_.Guard([this] {
        if (control_.CanFocus()) control_.SetFocus();
      });
    }
    return false;
  }

 private:
  Platform& platform_;
  WinControl& control_;
};

}  // namespace

void InstallFocusOnPress(Platform& platform, WinControl& control, QWidget& widget) {
  widget.installEventFilter(new FocusOnPressFilter(platform, control, &widget));
}

}  // namespace ui::qt
