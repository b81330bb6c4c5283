// SPDX-License-Identifier: MIT
#include "ui/qt/Services.h"

#include <algorithm>

#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QUrl>

namespace ui::qt {
namespace {

bool FamilyInstalled(const QString& family) { return QFontDatabase::families().contains(family, Qt::CaseInsensitive); }

TColor FromQColor(const QColor& color) {
  return RgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                  static_cast<std::uint8_t>(color.blue()));
}


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

QString WindowTitleText(std::string_view title) {
  return ToQString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QColor ToQColor(TColor color) {
  const TColor rgb = ResolveColor(color);
  return {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)};
}

QFont ToQFont(const Font& font) {
  QFont result;
  const QString face = ToQString(font.Name);
  if (FamilyInstalled(face)) {
    result.setFamily(face);
  } else if (face.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0 &&
             FamilyInstalled(QStringLiteral("Liberation Sans"))) {
    result.setFamily(QStringLiteral("Liberation Sans"));
  } else {
    result.setFamily(QStringLiteral("Sans Serif"));
    result.setStyleHint(QFont::SansSerif);
  }
  result.setPixelSize(std::max(font.Height, 1));
  result.setBold(font.Bold);
  result.setUnderline(font.Underline);
  result.setResolveMask(QFont::AllPropertiesResolved);
  return result;
}

SystemColorTable SystemColorsFrom(const QPalette& palette) {
  SystemColorTable table = DefaultSystemColors();
  auto set = [&](TColor system, QPalette::ColorGroup group, QPalette::ColorRole role) {
    table[system & 0xFF] = FromQColor(palette.color(group, role));
  };
  constexpr auto kActive = QPalette::Active;
  set(clMenu, kActive, QPalette::Window);
  set(clWindow, kActive, QPalette::Base);
  set(clMenuText, kActive, QPalette::WindowText);
  set(clWindowText, kActive, QPalette::WindowText);
  set(clHighlight, kActive, QPalette::Highlight);
  set(clHighlightText, kActive, QPalette::HighlightedText);
  set(clBtnFace, kActive, QPalette::Button);
  set(clBtnShadow, kActive, QPalette::Dark);
  set(clGrayText, QPalette::Disabled, QPalette::Text);
  set(clBtnText, kActive, QPalette::ButtonText);
  set(clBtnHighlight, kActive, QPalette::Light);
  set(cl3DDkShadow, kActive, QPalette::Shadow);
  set(cl3DLight, kActive, QPalette::Midlight);
  set(clInfoText, kActive, QPalette::ToolTipText);
  set(clInfoBk, kActive, QPalette::ToolTipBase);
  return table;
}


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
