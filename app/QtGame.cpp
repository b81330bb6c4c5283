// SPDX-License-Identifier: MIT
#include "app/QtGame.h"

#include <QApplication>
#include <QIcon>

#include "app/Pictures.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "ui/Application.h"
#include "ui/qt/Platform.h"

int RunQtGame(const std::function<void(TForm1&)>& beforeLoop) {
  // Qt reads options from the command line; the game takes none, so Qt is
  // given the program's name alone.
  int argc = 1;
  char programName[] = "tolvanix-plimbora";
  char* argv[] = {programName, nullptr};
  // Shared-memory images make X11 answer every repaint with a completion
  // event that the event thread wakes for and the next repaint waits on:
  // twice as many wake-ups in free play as the two timers need. The
  // game's repaints are a few cells, cheap to send over the socket.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication toolkit(argc, argv);
  QApplication::setWindowIcon(QIcon(QString::fromUtf8(kIconPicture)));
  // Lets the desktop match the window to the installed desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("tolvanix-plimbora"));

  ui::qt::Platform platform;
  ui::Application application(&platform);
  std::function<void(ui::Form&)> driveWindow;
  if (beforeLoop) driveWindow = [&beforeLoop](ui::Form& form) { beforeLoop(static_cast<TForm1&>(form)); };
  return RunApplication(application, [](ui::Application& app) { app.CreateForm<TForm1>(); }, driveWindow);
}
