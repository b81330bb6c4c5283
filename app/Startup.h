// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/ExecutablePath.h"
#include "game/GameFlow.h"
#include "ui/Application.h"
#include "ui/Platform.h"

class TForm1;

// The caption of the box that reports a failure to build the main window.
inline constexpr const char* kStartupErrorCaption = "Application Error";

// The report of an error that escaped while the main window was built:
// "Exception <type> in module <module> at <address>.", a line break, then
// the message with a "." appended when it is not empty and does not end
// in one.
[[nodiscard]] std::string StartupErrorText(std::string_view typeName, std::string_view moduleName,
                                           const void* address, std::string_view message);

// Gives the application its title, builds the main window with
// `createMainForm`, runs `beforeLoop` (if any) on it and then the event
// loop until the main window closes. Returns the process's exit code: 0
// after a normal end, 1 after an error escaped while the window was built,
// which is reported in a box of its own.
int RunApplication(ui::Application& application, const std::function<void(ui::Application&)>& createMainForm,
                   const std::function<void(ui::Form&)>& beforeLoop = {});

// Runs the game on `platform` from start to end: the application with its
// title and icon, the main window and the event loop (RunApplication).
// Returns the process's exit code. `beforeLoop` sees the built window just
// before the loop starts, so that a test program can drive it; the game
// itself passes none. Reads no command-line arguments.
int RunGame(ui::Platform& platform, const std::function<void(TForm1&)>& beforeLoop = {});
