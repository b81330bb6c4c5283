// SPDX-License-Identifier: MIT
#include "ui/qt/ProgressBarPeer.h"

#include <algorithm>

#include <QPainter>
#include <QProgressBar>

namespace ui::qt {
namespace {

// A gauge drawn the classic way, whatever the style: a sunken edge around
// the face colour, and the filled part as a row of blocks in the highlight
// colour with gaps of face between them. A block that has begun is drawn
// whole, so the first step already shows.
class SegmentedBar final : public QProgressBar {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect edge = rect();
    painter.fillRect(edge, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());

    const QRect bar = edge.adjusted(2, 2, -2, -2);
    const int range = maximum() - minimum();
    if (bar.isEmpty() || range <= 0) return;
    constexpr int kGap = 2;
    const int block = std::max(1, (2 * bar.height() + 1) / 3);
    const int filled = static_cast<int>(static_cast<long long>(value() - minimum()) * bar.width() / range);
    const QColor colour = palette().color(QPalette::Highlight);
    for (int x = 0; x < filled; x += block + kGap) {
      painter.fillRect(QRect(bar.left() + x, bar.top(), std::min(block, bar.width() - x), bar.height()), colour);
    }
  }
};

}  // namespace

ProgressBarPeer::ProgressBarPeer(Platform& platform, ProgressBar& bar)
    : WidgetPeer(platform, bar, new SegmentedBar), bar_(bar) {
  static_cast<QProgressBar*>(Widget())->setTextVisible(false);
}

void ProgressBarPeer::ApplyOwn(Change what) {
  if (what != Change::Range && what != Change::Position) return;
  auto* widget = static_cast<QProgressBar*>(Widget());
  widget->setRange(bar_.Min(), std::max(bar_.Min(), bar_.Max()));
  widget->setValue(bar_.Position());
}

}  // namespace ui::qt
