// SPDX-License-Identifier: MIT
// The main program: it only chooses the toolkit the game runs on.
#include "app/Startup.h"
#ifdef _WIN32
#include "ui/win32/Platform.h"
using GamePlatform = ui::win32::Platform;
#elif defined(__EMSCRIPTEN__)
#include "ui/web/Events.h"
#include "ui/web/Platform.h"
#else
#include "ui/qt/Platform.h"
using GamePlatform = ui::qt::Platform;
#endif

#ifdef __EMSCRIPTEN__
// A page cannot wait for the game to end: the game runs as the page's
// first event, on a stack of its own that lives until the window closes.
int main() {
  ui::web::RunEvent([] {
    ui::web::Platform platform;
    RunGame(platform);
  });
  return 0;
}
#else
int main() {
  GamePlatform platform;
  return RunGame(platform);
}
#endif
