// SPDX-License-Identifier: MIT
#include "ui/qt/PicturePeer.h"

#include <QImage>
#include <QPainter>

#include "ui/qt/Platform.h"
#include "ui/qt/Text.h"
#include "ui/qt/WindowlessWidget.h"

namespace ui::qt {
namespace {

class PictureWidget final : public WindowlessWidget {
 public:
  PictureWidget(Platform& platform, Image& image)
      : WindowlessWidget([&platform, &image] { platform.Guard([&image] { image.Click(); }); }), image_(image) {}

  void Load() {
    picture_ = image_.Picture().empty() ? QImage() : QImage(ToQString(image_.Picture()));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_.isNull()) return;
    QPainter painter(this);
    // No smooth transform: each target pixel takes the nearest source one.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (image_.Stretch()) painter.drawImage(rect(), picture_);
    else painter.drawImage(QPoint(0, 0), picture_);
  }

 private:
  Image& image_;
  QImage picture_;
};

}  // namespace

PicturePeer::PicturePeer(Platform& platform, Image& image)
    : WidgetPeer(platform, image, new PictureWidget(platform, image)) {}

void PicturePeer::ApplyOwn(Change what) {
  if (what == Change::Picture) static_cast<PictureWidget*>(Widget())->Load();
}

}  // namespace ui::qt
