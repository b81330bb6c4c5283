// SPDX-License-Identifier: MIT
#include "ui/qt/KeyMap.h"

#include <array>

namespace ui::qt {
namespace {

struct KeyPair {
  int Qt;
  int Virtual;
};

constexpr std::array kKeys{
    KeyPair{Qt::Key_Backspace, kKeyBack}, KeyPair{Qt::Key_Tab, kKeyTab},
    KeyPair{Qt::Key_Backtab, kKeyTab},    KeyPair{Qt::Key_Return, kKeyReturn},
    KeyPair{Qt::Key_Enter, kKeyReturn},   KeyPair{Qt::Key_Shift, kKeyShift},
    KeyPair{Qt::Key_Control, kKeyControl}, KeyPair{Qt::Key_Alt, kKeyMenu},
    KeyPair{Qt::Key_Escape, kKeyEscape},  KeyPair{Qt::Key_Space, kKeySpace},
    KeyPair{Qt::Key_PageUp, kKeyPrior},   KeyPair{Qt::Key_PageDown, kKeyNext},
    KeyPair{Qt::Key_End, kKeyEnd},        KeyPair{Qt::Key_Home, kKeyHome},
    KeyPair{Qt::Key_Left, kKeyLeft},      KeyPair{Qt::Key_Up, kKeyUp},
    KeyPair{Qt::Key_Right, kKeyRight},    KeyPair{Qt::Key_Down, kKeyDown},
    KeyPair{Qt::Key_Insert, kKeyInsert},  KeyPair{Qt::Key_Delete, kKeyDelete},
};

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? kKeyNumpad0 + (key - Qt::Key_0) : key;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
  for (const KeyPair& pair : kKeys) {
    if (pair.Qt == key) return pair.Virtual;
  }
  return 0;
}

ShiftState ShiftStateOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {.Shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
          .Alt = modifiers.testFlag(Qt::AltModifier),
          .Ctrl = modifiers.testFlag(Qt::ControlModifier)};
}

}  // namespace ui::qt
