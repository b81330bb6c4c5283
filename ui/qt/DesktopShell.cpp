// SPDX-License-Identifier: MIT
#include "ui/qt/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ui/qt/Text.h"

namespace ui::qt {
namespace {

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

int DesktopShell::Open(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(ToQString(address));
  if (address.empty() || !url.isValid()) return kFileNotFound;
  if (url.isLocalFile()) {
    if (const int failure = LocalFileFailure(url.toLocalFile())) return failure;
  }
  return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

}  // namespace ui::qt
