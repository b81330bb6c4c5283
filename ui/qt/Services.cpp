// SPDX-License-Identifier: MIT
#include "ui/qt/Services.h"

#include <algorithm>

#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QUrl>

#include "ui/qt/Style.h"

namespace ui::qt {
namespace {

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & kMessageBoxIconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

// Why a local file cannot be opened, or 0 when it can be handed on. The
// desktop's launcher runs detached and reports its own failure only after
// Qt has answered, so a missing file would otherwise read as opened.
int LocalFileFailure(const QString& path) {
  const QFileInfo file(path);
  if (!file.exists()) {
    return QFileInfo(file.absolutePath()).isDir() ? DesktopShell::kFileNotFound : DesktopShell::kPathNotFound;
  }
  if (!file.isReadable()) return DesktopShell::kAccessDenied;
  return 0;
}

}  // namespace

int MessageBoxes::Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) {
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

int DesktopShell::Open(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(ToQString(address));
  if (address.empty() || !url.isValid()) return kFileNotFound;
  if (url.isLocalFile()) {
    if (const int failure = LocalFileFailure(url.toLocalFile())) return failure;
  }
  return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

TextSize FontMetrics::Measure(const Font& font, std::string_view text) {
  const QFontMetrics metrics(ToQFont(font));
  const QRect bounds = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, ToQString(text));
  return {bounds.width(), std::max(bounds.height(), metrics.height())};
}

}  // namespace ui::qt
