// SPDX-License-Identifier: MIT
#include "ui/qt/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/qt/Text.h"

namespace ui::qt {

int DesktopShell::Open(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(ToQString(address));
  if (address.empty() || !url.isValid()) return kFileNotFound;
  return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

}  // namespace ui::qt
