// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "ui/win32/Platform.h"
#include "ui/win32/SystemHeaders.h"

namespace ui::win32::testing {

// Handles the platform's messages until `done` holds; false if it still
// does not after five seconds, which only a broken loop takes.
inline bool RunMessagesUntil(Platform& platform, const std::function<bool()>& done) {
  const ULONGLONG deadline = ::GetTickCount64() + 5000;
  while (!done()) {
    if (::GetTickCount64() > deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    platform.ProcessMessages();
  }
  return true;
}

}  // namespace ui::win32::testing
