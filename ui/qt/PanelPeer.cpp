// SPDX-License-Identifier: MIT
#include "ui/qt/PanelPeer.h"

#include <QFrame>

namespace ui::qt {

PanelPeer::PanelPeer(Platform& platform, Panel& panel) : WidgetPeer(platform, panel, new QFrame), panel_(panel) {
  Widget()->setAutoFillBackground(true);
}

void PanelPeer::ApplyOwn(Change what) {
  if (what != Change::Layout) return;
  auto* frame = static_cast<QFrame*>(Widget());
  switch (panel_.BevelOuter()) {
    case Bevel::None: frame->setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Lowered: frame->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case Bevel::Raised: frame->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
  }
  frame->setLineWidth(panel_.BevelWidth());
}

}  // namespace ui::qt
