// SPDX-License-Identifier: MIT
#include "ui/qt/FormPeer.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/Caption.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Style.h"

namespace ui::qt {
namespace {

class FormWindow final : public QWidget {
 public:
  FormWindow(Platform& platform, Form& form) : platform_(platform), form_(form) {}

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

// Adds one item, and the items under it, to a menu bar or a menu. A
// command's text is its caption in Qt's mnemonic form, then a tab and the
// shortcut's name, which Qt shows at the right; the shortcut itself is
// matched by the model's key routing, not by Qt.
template <class Container>
void AddMenuItem(Platform& platform, Container& container, MenuItem& item) {
  if (item.IsSeparator()) {
    container.addSeparator();
  } else if (!item.Items().empty()) {
    QMenu* menu = container.addMenu(ToQString(MnemonicText(item.Caption())));
    for (MenuItem* child : item.Items()) AddMenuItem(platform, *menu, *child);
  } else {
    QString text = ToQString(MnemonicText(item.Caption()));
    if (const std::string shortCut = item.ShortCutText(); !shortCut.empty()) {
      text += u'\t' + ToQString(shortCut);
    }
    QAction* action = container.addAction(text);
    QObject::connect(action, &QAction::triggered, action, [&platform, &item] { platform.Guard([&item] { item.Click(); }); });
  }
}

}  // namespace

FormPeer::FormPeer(Platform& platform, Form& form)
    : WidgetPeer(platform, form, new FormWindow(platform, form)), form_(form) {
  QWidget* window = Widget();
  // A fixed frame: minimise and close, no maximise.
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
  ReadInReadingOrder(*client_);
  layout->addWidget(client_);
  window->setWindowIconText(WindowTitleText(platform.Title()));
}

Form* FormPeer::FormOf(const QWidget* window) { return dynamic_cast<Form*>(ControlOf(window)); }

void FormPeer::ApplyOwn(Change what) {
  switch (what) {
    case Change::Caption: {
      Widget()->setWindowTitle(WindowTitleText(form_.Caption()));
      // Qt tells a screen reader nothing of a new title, where the score is.
      QAccessibleEvent renamed(Widget(), QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
      break;
    }
    case Change::Layout: BuildMenu(); break;
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

void FormPeer::ApplyFocus() {
  // With no control focused the window itself takes the keys.
  if (form_.ActiveControl()) return;
  if (QWidget* focused = Widget()->focusWidget()) focused->clearFocus();
}

// The menu is complete when the form is bound, so it is built once.
void FormPeer::BuildMenu() {
  if (!form_.Menu() || !menuBar_->isHidden()) return;
  for (MenuItem* item : form_.Menu()->Items()) AddMenuItem(GetPlatform(), *menuBar_, *item);
  menuBar_->show();
}

}  // namespace ui::qt
