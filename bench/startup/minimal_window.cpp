// SPDX-License-Identifier: MIT
// The floor for start-up figures: the smallest Qt Widgets program that shows
// a window, built with the same compiler and flags as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal window"));
  window.resize(575, 377);
  window.show();
  return QApplication::exec();
}
