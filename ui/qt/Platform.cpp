// SPDX-License-Identifier: MIT
#include "ui/qt/Platform.h"

#include <QAbstractButton>
#include <QApplication>

#include "ui/Timer.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/ControlPeers.h"
#include "ui/qt/FormPeer.h"
#include "ui/qt/QTimerPeer.h"
#include "ui/qt/Style.h"

namespace ui::qt {

Platform::Platform() {
  SetSystemColors(SystemColorsFrom(QApplication::palette()));
  // Only the main form's closing ends the loop, not the last box closing.
  QApplication::setQuitOnLastWindowClosed(false);
  qApp->installEventFilter(&keyRouter_);
  InstallAccessibility(*this);
}

Platform::~Platform() {
  RemoveAccessibility();
  qApp->removeEventFilter(&keyRouter_);
  SetSystemColors(DefaultSystemColors());
}

void Platform::Bind(Form& form) {
  BindControl(form);
  BindOwned(form);
}

void Platform::Run(Form& mainForm) {
  running_ = &mainForm;
  Guard([&mainForm] { mainForm.Show(); });
  if (!mainForm.Closed()) QApplication::exec();
  running_ = nullptr;
}

void Platform::CancelMouseMode() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  for (QWidget* widget : QApplication::allWidgets()) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isDown()) button->setDown(false);
  }
}

void Platform::TitleChanged(const std::string& title) {
  title_ = title;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (FormPeer::FormOf(window)) window->setWindowIconText(WindowTitleText(title));
  }
}

QWidget* Platform::ClientWidgetOf(const WinControl& control) const {
  auto* peer = dynamic_cast<WidgetPeer*>(control.GetPeer());
  return peer ? peer->ClientWidget() : nullptr;
}

QWidget* Platform::WidgetOf(const Control& control) {
  auto* peer = dynamic_cast<WidgetPeer*>(control.GetPeer());
  return peer ? peer->Widget() : nullptr;
}

void Platform::Restack(const WinControl& parent) {
  const auto& controls = parent.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if ((*it)->HasWindow()) continue;
    if (QWidget* widget = WidgetOf(**it)) widget->lower();
  }
}

void Platform::FormClosed(const Form& form) {
  if (&form == running_) QApplication::exit(0);
}

void Platform::BindControl(Control& control) {
  if (!control.GetPeer()) {
    std::unique_ptr<WidgetPeer> peer;
    if (auto* form = dynamic_cast<Form*>(&control)) peer = std::make_unique<FormPeer>(*this, *form);
    else peer = MakeControlPeer(*this, control);
    WidgetPeer& attached = *peer;
    control.SetPeer(std::move(peer));
    attached.SyncAll();
  }
  if (auto* window = dynamic_cast<WinControl*>(&control)) {
    for (Control* child : window->Controls()) BindControl(*child);
    Restack(*window);
  }
}

void Platform::BindOwned(Component& component) {
  for (const auto& owned : component.Components()) {
    if (auto* timer = dynamic_cast<Timer*>(owned.get()); timer && !timer->GetPeer()) {
      timer->SetPeer(std::make_unique<QTimerPeer>(*this, *timer));
    }
    if (auto* control = dynamic_cast<Control*>(owned.get())) BindControl(*control);
    BindOwned(*owned);
  }
}

}  // namespace ui::qt
