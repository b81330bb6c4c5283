// SPDX-License-Identifier: MIT
#include "ui/qt/LabelPeer.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/qt/Platform.h"
#include "ui/qt/Style.h"
#include "ui/qt/Text.h"
#include "ui/qt/WindowlessWidget.h"

namespace ui::qt {
namespace {

int TextFlags(const Label& label) {
  // Drawn as plain text: QPainter never reads markup, and the mnemonic flag
  // underlines the access letter and turns "&&" into "&".
  return Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (label.WordWrap() ? Qt::TextWordWrap : 0);
}

class LabelWidget final : public WindowlessWidget {
 public:
  LabelWidget(Platform& platform, Label& label)
      : WindowlessWidget([&platform, &label] { platform.Guard([&label] { label.Click(); }); }), label_(label) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(label_.Color()));
    painter.setFont(ToQFont(label_.Font()));
    painter.setPen(label_.Enabled() ? ToQColor(label_.Font().Color) : ToQColor(clGrayText));
    painter.drawText(rect(), TextFlags(label_), MnemonicText(label_.Caption()));
  }

 private:
  Label& label_;
};

}  // namespace

LabelPeer::LabelPeer(Platform& platform, Label& label)
    : WidgetPeer(platform, label, new LabelWidget(platform, label)), label_(label) {}

QSize LabelPeer::TextSize() const {
  const QFontMetrics metrics(ToQFont(label_.Font()));
  const int width = label_.WordWrap() && !label_.AutoSize() ? label_.Width() : 1 << 20;
  // An empty caption measures as a blank, so the label keeps a line's
  // height.
  const QString text = label_.Caption().empty() ? QStringLiteral(" ") : MnemonicText(label_.Caption());
  const QRect bounds = metrics.boundingRect(QRect(0, 0, width, 1 << 20), TextFlags(label_), text);
  return {bounds.width(), std::max(bounds.height(), metrics.height())};
}

void LabelPeer::ApplyOwn(Change what) {
  switch (what) {
    case Change::Caption:
    case Change::Font:
    case Change::Layout:
      FitToText();
      Widget()->update();
      break;
    case Change::Color:
    case Change::Enabled: Widget()->update(); break;
    default: break;
  }
}

void LabelPeer::FitToText() {
  if (!label_.AutoSize()) return;
  const QSize size = TextSize();
  GetPlatform().Guard([this, size] { label_.AdjustToText(size.width(), size.height()); });
}

}  // namespace ui::qt
