// SPDX-License-Identifier: MIT
#include "ui/qt/KeyRouter.h"

#include <optional>

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "ui/qt/FormPeer.h"
#include "ui/qt/Platform.h"

namespace ui::qt {
namespace {

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

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) return false;
  Form* form = FormPeer::FormOf(widget->window());
  if (!form) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  // Alt alone also goes on to Qt, whose menu bar opens on it as the
  // system's does; no control acts on it.
  const bool alt = key.key() == Qt::Key_Alt;
  if (event->type() == QEvent::KeyRelease) return !alt;

  const int virtualKey = VirtualKeyOf(key);
  const ShiftState shift = ShiftStateOf(key);
  // A key pressed with Alt alone is a command for the window (its menu,
  // Alt+Space) and types nothing; Ctrl+Alt is how some keyboards type
  // their third characters, which do count. The game reads only ASCII
  // characters (space and "0"), so no other reaches the model.
  std::optional<char> character;
  if (const QString text = key.text(); text.size() == 1 && text.front().unicode() < 0x80 && !(shift.Alt && !shift.Ctrl)) {
    character = static_cast<char>(text.front().unicode());
  }
  platform_.Guard([form, virtualKey, shift, character] { form->KeyStroke(virtualKey, shift, character); });
  return !alt;
}

}  // namespace ui::qt
