// SPDX-License-Identifier: MIT
#include "ui/qt/Accessibility.h"

#include <algorithm>
#include <utility>

#include <QAccessibleWidget>

#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/qt/Platform.h"

namespace ui::qt {
namespace {

Platform* actingPlatform = nullptr;

// A label under the pointing hand is a link: clicking it opens something.
QAccessible::Role RoleOf(const Control& control) {
  if (dynamic_cast<const RadioButton*>(&control)) return QAccessible::RadioButton;
  if (dynamic_cast<const Label*>(&control)) {
    return control.Cursor() == Cursor::HandPoint ? QAccessible::Link : QAccessible::StaticText;
  }
  return QAccessible::Graphic;
}

// Reads the control anew each time: once the control is on its way out,
// the widget answers as a plain one.
class ControlAccessible final : public QAccessibleWidget {
 public:
  explicit ControlAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

  [[nodiscard]] QAccessible::Role role() const override {
    const Control* control = Platform::ControlOf(widget());
    return control ? RoleOf(*control) : QAccessibleWidget::role();
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (const auto* radio = dynamic_cast<const RadioButton*>(Platform::ControlOf(widget()))) {
      state.checkable = true;
      state.checked = radio->Checked();
    }
    return state;
  }

  [[nodiscard]] QStringList actionNames() const override {
    return Pressable() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
  }

  // Pressing is clicking, as the user would with the mouse.
  void doAction(const QString& action) override {
    if (action != pressAction() || !Pressable()) return QAccessibleWidget::doAction(action);
    Control* control = Platform::ControlOf(widget());
    if (actingPlatform && control->Enabled()) actingPlatform->Guard([control] { control->Click(); });
  }

 private:
  [[nodiscard]] bool Pressable() const { return role() == QAccessible::RadioButton || role() == QAccessible::Link; }
};

class ReadingOrderAccessible final : public QAccessibleWidget {
 public:
  explicit ReadingOrderAccessible(QWidget* area) : QAccessibleWidget(area) {}

  [[nodiscard]] int childCount() const override { return static_cast<int>(Children().size()); }

  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
  }

  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }

 private:
  [[nodiscard]] QList<QWidget*> Children() const {
    QList<QWidget*> children = widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
      return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return children;
  }
};

QAccessibleInterface* MakeAccessible(const QString& /*className*/, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  // Qt takes a plain top-level widget for a filler, not for a window.
  if (widget->isWindow()) return Platform::FormOf(widget) ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
  if (Form* form = Platform::FormOf(widget->parentWidget()); form && Platform::ClientWidgetOf(*form) == widget) {
    return new ReadingOrderAccessible(widget);
  }
  Control* control = Platform::ControlOf(widget);
  const bool qtKnowsIt = !control || (control->HasWindow() && !dynamic_cast<RadioButton*>(control));
  return qtKnowsIt ? nullptr : new ControlAccessible(widget);
}

}  // namespace

void InstallAccessibility(Platform& platform) {
  actingPlatform = &platform;
  QAccessible::installFactory(MakeAccessible);
}

void RemoveAccessibility() {
  QAccessible::removeFactory(MakeAccessible);
  actingPlatform = nullptr;
}

}  // namespace ui::qt
