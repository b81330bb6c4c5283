// SPDX-License-Identifier: MIT
// The main program: it only chooses the toolkit the game runs on.
#include "app/Startup.h"
#ifdef _WIN32
#include "ui/win32/Platform.h"
using GamePlatform = ui::win32::Platform;
#else
#include "ui/qt/Platform.h"
using GamePlatform = ui::qt::Platform;
#endif

int main() {
  GamePlatform platform;
  return RunGame(platform);
}
