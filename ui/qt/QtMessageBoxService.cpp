// SPDX-License-Identifier: MIT
#include "ui/qt/QtMessageBoxService.h"

#include <QEventLoop>
#include <QMessageBox>

#include "ui/qt/Text.h"

namespace ui::qt {
namespace {

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & kMessageBoxIconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtMessageBoxService::Show(const std::string& text, const std::string& caption, unsigned flags,
                              MessageBoxOwner owner) {
  QMessageBox box;
  box.setWindowTitle(WindowTitleText(caption));
  // Messages carry data (answers from the question file); never markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  box.setIcon(IconOf(flags));
  box.setStandardButtons(QMessageBox::Ok);
  if (owner == MessageBoxOwner::Application) {
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return IDOK;
  }
  box.setWindowModality(Qt::NonModal);
  QEventLoop loop;
  QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
  box.show();
  loop.exec();
  return IDOK;
}

}  // namespace ui::qt
