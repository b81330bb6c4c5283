// SPDX-License-Identifier: MIT
#include "ui/qt/WidgetPeer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>

#include "ui/Caption.h"
#include "ui/Control.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Style.h"

namespace ui::qt {
namespace {

constexpr const char* kControlProperty = "ui.control";

}  // namespace

WidgetPeer::WidgetPeer(Platform& platform, Control& control, QWidget* widget)
    : platform_(platform), control_(control), widget_(widget) {
  widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
  // The model decides who has the focus; Qt must never pick a widget of
  // its own accord, by Tab, by a click or when a widget goes away.
  widget->setFocusPolicy(Qt::NoFocus);
}

// The control is being destroyed: what the widget still reports on its way
// out must not reach it.
WidgetPeer::~WidgetPeer() {
  if (widget_) widget_->setProperty(kControlProperty, QVariant());
  delete widget_.data();
}

Control* WidgetPeer::ControlOf(const QObject* widget) {
  const QVariant control = widget ? widget->property(kControlProperty) : QVariant();
  return control.isValid() ? static_cast<Control*>(control.value<void*>()) : nullptr;
}

void WidgetPeer::Changed(Change what) {
  if (!widget_) return;
  switch (what) {
    case Change::Bounds: ApplyBounds(); break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Enabled: widget_->setEnabled(control_.Enabled()); break;
    case Change::Caption:
      if (auto* button = qobject_cast<QAbstractButton*>(widget_)) button->setText(ToQString(MnemonicText(control_.Caption())));
      if (auto* frame = qobject_cast<QGroupBox*>(widget_)) frame->setTitle(ToQString(MnemonicText(control_.Caption())));
      // A window is named by its title; Qt tells a screen reader of the new name.
      if (!widget_->isWindow()) widget_->setAccessibleName(ToQString(control_.AccessibleName()));
      break;
    case Change::Font: ApplyFont(); break;
    case Change::Cursor:
      if (control_.Cursor() == Cursor::HandPoint) widget_->setCursor(Qt::PointingHandCursor);
      else widget_->unsetCursor();
      break;
    case Change::Parent: ApplyParent(); break;
    case Change::Focus: ApplyFocus(); break;
    default: break;
  }
  ApplyOwn(what);
}

void WidgetPeer::ApplyParent() {
  WinControl* parent = control_.Parent();
  QWidget* parentWidget = parent ? platform_.ClientWidgetOf(*parent) : nullptr;
  if (widget_->parentWidget() != parentWidget) {
    widget_->setParent(parentWidget);
    if (parent) platform_.Restack(*parent);
  }
  ApplyBounds();
  ApplyVisible();
}

void WidgetPeer::ApplyBounds() {
  const bool moved = widget_->pos() != QPoint(control_.Left(), control_.Top());
  widget_->setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
  // A screen reader meets controls in reading order, which a move may change.
  if (moved && widget_->parentWidget()) {
    QAccessibleEvent reordered(widget_->parentWidget(), QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
  }
}

void WidgetPeer::ApplyVisible() {
  // A widget without a parent would be a window of its own.
  widget_->setVisible(control_.Visible() && widget_->parentWidget() != nullptr);
}

void WidgetPeer::ApplyFocus() {
  auto* window = dynamic_cast<WinControl*>(&control_);
  if (!window) return;
  if (window->Focused()) widget_->setFocus(Qt::OtherFocusReason);
  else if (widget_->hasFocus()) widget_->clearFocus();
}

// Every control shows on the button face, its text in its font's colour.
void WidgetPeer::ApplyFont() {
  widget_->setFont(ToQFont(control_.Font()));
  QPalette palette = QApplication::palette(widget_);
  palette.setColor(QPalette::Window, ToQColor(clBtnFace));
  // Only the active groups: disabled text keeps the platform's grey.
  const QColor text = ToQColor(control_.Font().Color);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, text);
    palette.setColor(group, QPalette::ButtonText, text);
  }
  // Fully resolved, so that no child takes these colours from its parent.
  palette.setResolveMask(~QPalette::ResolveMask{0});
  widget_->setPalette(palette);
}

}  // namespace ui::qt
