// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include "app/Win32Game.h"

int main() { return RunWin32Game(); }
#elif defined(__EMSCRIPTEN__)
#include "app/WebGame.h"

int main() {
  StartWebGame();
  return 0;
}
#else
#include "app/QtGame.h"

int main() { return RunQtGame(); }
#endif
