// SPDX-License-Identifier: MIT
#include "ui/qt/FormPeer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/qt/MenuItemPeer.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Style.h"
#include "ui/qt/Text.h"

namespace ui::qt {
namespace {

constexpr const char* kFormProperty = "ui.form";

class FormWindow final : public QWidget {
 public:
  FormWindow(Platform& platform, Form& form) : platform_(platform), form_(form) {
    setProperty(kFormProperty, QVariant::fromValue(static_cast<void*>(&form)));
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The model closes the form, which hides this window.
    event->ignore();
    if (!form_.Closed()) platform_.Guard([this] { form_.Close(); });
  }

 private:
  Platform& platform_;
  Form& form_;
};

}  // namespace

FormPeer::FormPeer(Platform& platform, Form& form)
    : WidgetPeer(platform, form, new FormWindow(platform, form)), form_(form) {
  QWidget* window = Widget();
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window is exactly the menu bar over the client area.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  menuBar_ = new QMenuBar(window);
  menuBar_->hide();
  layout->setMenuBar(menuBar_);
  client_ = new QWidget(window);
  client_->setFocusPolicy(Qt::NoFocus);
  client_->setAutoFillBackground(true);
  layout->addWidget(client_);
  window->setWindowIconText(WindowTitleText(platform.Title()));
}

Form* FormPeer::FormOf(const QWidget* window) {
  if (!window) return nullptr;
  const QVariant form = window->property(kFormProperty);
  return form.isValid() ? static_cast<Form*>(form.value<void*>()) : nullptr;
}

void FormPeer::ApplyOwn(Change what) {
  switch (what) {
    case Change::Caption: Widget()->setWindowTitle(WindowTitleText(form_.Caption())); break;
    case Change::Layout: ApplyFrame(); break;
    case Change::Menu:
      if (menuBuilt_) ScheduleMenuRebuild();
      else BuildMenu();
      break;
    case Change::Closed:
      Widget()->hide();
      GetPlatform().FormClosed(form_);
      break;
    default: break;
  }
}

void FormPeer::ApplyBounds() {
  Widget()->move(form_.Left(), form_.Top());
  client_->setFixedSize(form_.Width(), form_.Height());
}

void FormPeer::ApplyVisible() {
  QWidget* window = Widget();
  // The form's position is that of the window's outer frame. Qt keeps it so
  // only if the window's size is settled before its first showing; a size
  // that the menu bar's layout changes on the way places the area inside
  // the frame there instead, with the title bar above it.
  if (form_.Visible() && !window->isVisible()) window->layout()->activate();
  window->setVisible(form_.Visible());
}

void FormPeer::ApplyColors() {
  WidgetPeer::ApplyColors();
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ToQColor(form_.Color()));
  client_->setPalette(palette);
}

void FormPeer::ApplyFocus() {
  // With no control focused the window itself takes the keys.
  if (form_.ActiveControl()) return;
  if (QWidget* focused = Widget()->focusWidget()) focused->clearFocus();
}

void FormPeer::ApplyFrame() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  if (form_.MaximizeBox() && form_.BorderStyle() == BorderStyle::Sizeable) flags |= Qt::WindowMaximizeButtonHint;
  if (Widget()->windowFlags() == flags) return;
  // Changing the flags hides a window; it is shown again as the model has it.
  Widget()->setWindowFlags(flags);
  ApplyVisible();
}

namespace {

// Adds one item, and the items under it, to a menu bar or a menu.
template <class Container>
void AddMenuItem(Platform& platform, Container& container, MenuItem& item, QVector<QPointer<QMenu>>* menus,
                 const std::function<void()>& rebuild) {
  QAction* action = nullptr;
  if (item.IsSeparator()) {
    action = container.addSeparator();
  } else if (!item.Items().empty()) {
    QMenu* menu = container.addMenu(MnemonicText(item.Caption()));
    if (menus) menus->append(menu);
    for (MenuItem* child : item.Items()) AddMenuItem(platform, *menu, *child, nullptr, rebuild);
    action = menu->menuAction();
  } else {
    action = container.addAction(MenuItemPeer::ActionText(item));
  }
  item.SetPeer(std::make_unique<MenuItemPeer>(platform, item, *action, rebuild));
}

}  // namespace

void FormPeer::BuildMenu() {
  menuBuilt_ = true;
  menuBar_->clear();
  for (const QPointer<QMenu>& menu : menus_) delete menu.data();
  menus_.clear();
  MainMenu* menu = form_.Menu();
  menuBar_->setVisible(menu != nullptr);
  if (!menu) return;
  const std::function<void()> rebuild = [this] { ScheduleMenuRebuild(); };
  for (MenuItem* item : menu->Items().Items()) AddMenuItem(GetPlatform(), *menuBar_, *item, &menus_, rebuild);
}

void FormPeer::ScheduleMenuRebuild() {
  // Never at once: the change may come from a handler of an action that a
  // rebuild would delete under it.
  if (menuRebuildScheduled_) return;
  menuRebuildScheduled_ = true;
  QMetaObject::invokeMethod(
      Widget(),
      [this] {
        menuRebuildScheduled_ = false;
        BuildMenu();
      },
      Qt::QueuedConnection);
}

}  // namespace ui::qt
