// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class TForm1;

// Runs the game on the native Windows platform from start to end: the
// platform and its real services, the application with its title, the main
// window and the message loop. Returns the process's exit code.
// `beforeLoop` sees the built window just before the loop starts.
int RunWin32Game(const std::function<void(TForm1&)>& beforeLoop = {});
