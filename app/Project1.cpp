// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include "app/Win32Game.h"

int main() { return RunWin32Game(); }
#else
#include "app/QtGame.h"

int main() { return RunQtGame(); }
#endif
