// SPDX-License-Identifier: MIT
#include "ui/qt/Style.h"

#include <QFontDatabase>

namespace ui::qt {
namespace {

bool FamilyInstalled(const QString& family) { return QFontDatabase::families().contains(family, Qt::CaseInsensitive); }

TColor FromQColor(const QColor& color) {
  return RgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                  static_cast<std::uint8_t>(color.blue()));
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

}  // namespace ui::qt
