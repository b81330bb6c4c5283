// SPDX-License-Identifier: MIT
#include "app/Win32Game.h"

#include "app/Startup.h"
#include "app/Unit1.h"
#include "ui/Application.h"
#include "ui/win32/Platform.h"

int RunWin32Game(const std::function<void(TForm1&)>& beforeLoop) {
  ui::win32::Platform platform;
  ui::Application application(&platform);
  std::function<void(ui::Form&)> driveWindow;
  if (beforeLoop) driveWindow = [&beforeLoop](ui::Form& form) { beforeLoop(static_cast<TForm1&>(form)); };
  return RunApplication(application, [](ui::Application& app) { app.CreateForm<TForm1>(); }, driveWindow);
}
