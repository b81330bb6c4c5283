// SPDX-License-Identifier: MIT
#include "ui/qt/Platform.h"

#include <algorithm>
#include <climits>
#include <optional>

#include <QAbstractButton>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "base/ExecutablePath.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/Services.h"

namespace ui::qt {
namespace {

// The QApplication of a program that has none yet. Qt reads options from
// the command line; the game takes none, so Qt is given the program's name
// alone (the executable's, which the desktop matches the window by).
std::unique_ptr<QApplication> MakeToolkit() {
  if (QApplication::instance()) return nullptr;
  static std::string name = ModuleNameOf(nullptr);
  static int argc = 1;
  static char* argv[] = {name.data(), nullptr};
  // Shared-memory images make X11 answer every repaint with a completion
  // event that the event thread wakes for and the next repaint waits on:
  // twice as many wake-ups in free play as the two timers need. The
  // game's repaints are a few cells, cheap to send over the socket.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  auto toolkit = std::make_unique<QApplication>(argc, argv);
  QGuiApplication::setDesktopFileName(QString::fromStdString(name));
  return toolkit;
}

// The virtual-key code of a key, as the system's own key-down messages
// carry it: digits and letters are their ASCII capitals in both. 0 for the
// keys without one here, which reach the window's handler all the same.
int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Space: return kKeySpace;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: return 0;
  }
}

// The modifiers held; Shift+Tab arrives from Qt as its own key, Backtab.
ShiftState ShiftStateOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {.Shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
          .Alt = modifiers.testFlag(Qt::AltModifier),
          .Ctrl = modifiers.testFlag(Qt::ControlModifier)};
}

}  // namespace

Platform::Platform() : toolkit_(MakeToolkit()) {
  SetSystemColors(SystemColorsFrom(QApplication::palette()));
  // Only the main form's closing ends the loop, not the last box closing.
  QApplication::setQuitOnLastWindowClosed(false);
  qApp->installEventFilter(this);
  InstallAccessibility(*this);
}

Platform::~Platform() {
  RemoveAccessibility();
  qApp->removeEventFilter(this);
  SetSystemColors(DefaultSystemColors());
}

std::unique_ptr<TimerPeer> Platform::MakeTimerPeer(Timer& timer) { return std::make_unique<QTimerPeer>(*this, timer); }

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
    if (FormOf(window)) window->setWindowIconText(WindowTitleText(title));
  }
}

void Platform::IconChanged(const std::string& picture) { QApplication::setWindowIcon(QIcon(ToQString(picture))); }

void Platform::FormClosed(const Form& form) {
  if (&form == running_) QApplication::exit(0);
}

bool Platform::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Close && widget && widget->isWindow()) {
    // The model closes the form, which hides its window.
    Form* form = FormOf(widget);
    if (!form) return false;
    event->ignore();
    if (!form->Closed()) Guard([form] { form->Close(); });
    return true;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (!widget || qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) return false;
  Form* form = FormOf(widget->window());
  if (!form) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  // Alt alone also goes on to Qt, whose menu bar opens on it as the
  // system's does; no control acts on it.
  const bool alt = key.key() == Qt::Key_Alt;
  if (event->type() == QEvent::KeyRelease) return !alt;
  std::optional<char32_t> character;
  if (const QList<uint> text = key.text().toUcs4(); text.size() == 1) character = text.front();
  const int virtualKey = VirtualKeyOf(key);
  const ShiftState shift = ShiftStateOf(key);
  Guard([form, virtualKey, shift, character] { form->KeyStroke(virtualKey, shift, character); });
  return !alt;
}

QTimerPeer::QTimerPeer(Platform& platform, Timer& timer) {
  clock_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&clock_, &QTimer::timeout, &clock_, [&platform, &timer] { platform.Guard([&timer] { timer.Tick(); }); });
}

bool QTimerPeer::Start(unsigned interval) {
  clock_.start(static_cast<int>(std::min<unsigned>(interval, INT_MAX)));
  // Qt reports a timer it could not get by leaving it inactive.
  return clock_.isActive();
}

}  // namespace ui::qt
