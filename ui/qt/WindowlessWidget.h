// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QMouseEvent>
#include <QWidget>

namespace ui::qt {

// The widget of a windowless control: it paints in its parent's place and
// reports a click (a left press and release over it).
class WindowlessWidget : public QWidget {
 public:
  explicit WindowlessWidget(std::function<void()> onClick) : onClick_(std::move(onClick)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = event->button() == Qt::LeftButton;
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) onClick_();
  }

 private:
  std::function<void()> onClick_;
  bool pressed_ = false;
};

}  // namespace ui::qt
