// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class TForm1;

// Runs the game on Qt from start to end: the toolkit and its real services,
// the application with its icon and title, the main window and the event
// loop. Returns the process's exit code. `beforeLoop` sees the built window
// just before the loop starts, so that a test program can drive it; the
// game itself passes none. Reads no command-line arguments.
int RunQtGame(const std::function<void(TForm1&)>& beforeLoop = {});
