// SPDX-License-Identifier: MIT
#include "ui/qt/GroupBoxPeer.h"

#include <QGroupBox>
#include <QPainter>

#include "ui/qt/Text.h"

namespace ui::qt {
namespace {

// A frame drawn the classic way, whatever the style: an etched rectangle
// whose top line runs through the middle of the caption, so the children
// keep the places they were laid out at.
class FrameWidget final : public QGroupBox {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (title().isEmpty()) return;
    constexpr int kIndent = 8;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const QRect caption = metrics.boundingRect(QRect(kIndent, 0, width(), height()), flags, title()).adjusted(-2, 0, 2, 0);
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption.adjusted(2, 0, 0, 0), flags, title());
  }
};

}  // namespace

GroupBoxPeer::GroupBoxPeer(Platform& platform, GroupBox& box)
    : WidgetPeer(platform, box, new FrameWidget), box_(box) {}

void GroupBoxPeer::ApplyOwn(Change what) {
  if (what == Change::Caption) static_cast<QGroupBox*>(Widget())->setTitle(MnemonicText(box_.Caption()));
}

}  // namespace ui::qt
