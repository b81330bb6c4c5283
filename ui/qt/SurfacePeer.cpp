// SPDX-License-Identifier: MIT
#include "ui/qt/SurfacePeer.h"

#include <QImage>
#include <QPainter>

#include "ui/WinControl.h"
#include "ui/qt/Platform.h"
#include "ui/qt/WindowlessWidget.h"

namespace ui::qt {
namespace {

class SurfaceView final : public WindowlessWidget {
 public:
  SurfaceView(Platform& platform, GraphicControl& control)
      : WindowlessWidget([&platform, &control] { platform.Guard([&control] { control.Click(); }); }),
        control_(control) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    WinControl* parent = control_.Parent();
    if (!parent) return;
    const Surface& surface = parent->Surface();
    const QImage pixels(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(), surface.Height(),
                        static_cast<qsizetype>(surface.Width()) * 4, QImage::Format_RGB32);
    const QPoint origin(control_.Left(), control_.Top());
    const QRect source = event->rect().translated(origin).intersected(pixels.rect());
    if (source.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(source.translated(-origin), pixels, source);
  }

 private:
  GraphicControl& control_;
};

}  // namespace

SurfacePeer::SurfacePeer(Platform& platform, GraphicControl& control)
    : WidgetPeer(platform, control, new SurfaceView(platform, control)), control_(control) {
  // The board handles no mouse input; clicks go to what lies below.
  Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
  Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfacePeer::ApplyOwn(Change what) {
  if (what == Change::Invalidated && control_.PaintPending()) ScheduleRepaint();
}

void SurfacePeer::ApplyParent() {
  WidgetPeer::ApplyParent();
  WatchParentSurface();
}

void SurfacePeer::ScheduleRepaint() {
  if (repaintScheduled_) return;
  repaintScheduled_ = true;
  // The widget is the context: a peer gone before the loop comes round
  // takes its pending repaint with it.
  QMetaObject::invokeMethod(
      Widget(),
      [this] {
        repaintScheduled_ = false;
        GetPlatform().Guard([this] { control_.Update(); });
      },
      Qt::QueuedConnection);
}

void SurfacePeer::WatchParentSurface() {
  WinControl* parent = control_.Parent();
  if (!parent) return;
  QPointer<QWidget> client = GetPlatform().ClientWidgetOf(*parent);
  // Pixels drawn at any moment reach the screen with the next paint of
  // every view that shows them.
  parent->Surface().OnChange = [client](const Rect& changed) {
    if (!client) return;
    const QRect area(changed.Left, changed.Top, changed.Width(), changed.Height());
    for (QObject* child : client->children()) {
      auto* view = dynamic_cast<SurfaceView*>(child);
      if (!view) continue;
      const QRect shown = area.intersected(view->geometry());
      if (!shown.isEmpty()) view->update(shown.translated(-view->pos()));
    }
  };
}

}  // namespace ui::qt
