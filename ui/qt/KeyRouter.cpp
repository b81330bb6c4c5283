// SPDX-License-Identifier: MIT
#include "ui/qt/KeyRouter.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "ui/qt/FormPeer.h"
#include "ui/qt/KeyMap.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Text.h"

namespace ui::qt {

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
  // their third characters, which do count.
  std::optional<char> character;
  if (const QString text = key.text(); text.size() == 1 && !(shift.Alt && !shift.Ctrl)) {
    character = ToAnsiChar(text.front());
  }
  platform_.Guard([form, virtualKey, shift, character] { form->KeyStroke(virtualKey, shift, character); });
  return !alt;
}

}  // namespace ui::qt
