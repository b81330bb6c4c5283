// SPDX-License-Identifier: MIT
// The peers of every kind of control, and the choice among them.
#include <algorithm>
#include <functional>

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/qt/FormPeer.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Style.h"

namespace ui::qt {
namespace {

// A mouse press gives the control the focus through the model, as on the
// system the game was made for; Qt's own click focus is switched off.
class FocusOnPress final : public QObject {
 public:
  FocusOnPress(Platform& platform, WinControl& control, QWidget& widget)
      : QObject(&widget), platform_(platform), control_(control) {
    widget.installEventFilter(this);
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      platform_.Guard([this] {
        if (control_.CanFocus()) control_.SetFocus();
      });
    }
    return false;
  }

 private:
  Platform& platform_;
  WinControl& control_;
};

std::unique_ptr<WidgetPeer> MakeButtonPeer(Platform& platform, Button& button) {
  auto* widget = new QPushButton;
  widget->setAutoDefault(false);
  QObject::connect(widget, &QPushButton::clicked, widget,
                   [&platform, &button] { platform.Guard([&button] { button.Click(); }); });
  new FocusOnPress(platform, button, *widget);
  return std::make_unique<WidgetPeer>(platform, button, widget);
}

// A click anywhere on the control counts, not only on the mark and text.
class RadioWidget final : public QRadioButton {
 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

class RadioButtonPeer final : public WidgetPeer {
 public:
  RadioButtonPeer(Platform& platform, RadioButton& radio)
      : WidgetPeer(platform, radio, new RadioWidget), radio_(radio) {
    auto* widget = static_cast<QRadioButton*>(Widget());
    widget->setAutoExclusive(false);
    QObject::connect(widget, &QRadioButton::clicked, widget, [this] {
      GetPlatform().Guard([this] { radio_.Click(); });
      // Qt toggles a non-exclusive button off when it is clicked again; the
      // model keeps it selected, and the model is what is shown.
      ShowChecked();
    });
    new FocusOnPress(platform, radio, *widget);
  }

 protected:
  void ApplyOwn(Change what) override {
    if (what == Change::Checked) ShowChecked();
  }

 private:
  void ShowChecked() {
    auto* widget = static_cast<QRadioButton*>(Widget());
    if (!widget) return;
    const QSignalBlocker blocker(widget);
    widget->setChecked(radio_.Checked());
  }

  RadioButton& radio_;
};

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

// The model clamps the position before Qt sees it, as Qt would ignore a
// value outside the range.
class ProgressBarPeer final : public WidgetPeer {
 public:
  ProgressBarPeer(Platform& platform, ProgressBar& bar) : WidgetPeer(platform, bar, new SegmentedBar), bar_(bar) {
    static_cast<QProgressBar*>(Widget())->setTextVisible(false);
  }

 protected:
  void ApplyOwn(Change what) override {
    if (what != Change::Position) return;
    auto* widget = static_cast<QProgressBar*>(Widget());
    widget->setRange(bar_.Min(), std::max(bar_.Min(), bar_.Max()));
    widget->setValue(bar_.Position());
  }

 private:
  ProgressBar& bar_;
};

// The widget of a windowless control: it paints in its parent's place and
// reports a click (a left press and release over it).
class WindowlessWidget : public QWidget {
 public:
  WindowlessWidget(Platform& platform, GraphicControl& control) : platform_(platform), control_(control) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override { pressed_ = event->button() == Qt::LeftButton; }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) platform_.Guard([this] { control_.Click(); });
  }

  Platform& platform_;
  GraphicControl& control_;

 private:
  bool pressed_ = false;
};

class LabelWidget final : public WindowlessWidget {
 public:
  LabelWidget(Platform& platform, Label& label) : WindowlessWidget(platform, label), label_(label) {}

 protected:
  // Drawn as plain text: QPainter never reads markup, and the mnemonic flag
  // underlines the access letter and turns "&&" into "&".
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(clBtnFace));
    painter.setFont(ToQFont(label_.Font()));
    painter.setPen(label_.Enabled() ? ToQColor(label_.Font().Color) : ToQColor(clGrayText));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (label_.WordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(rect(), flags, ToQString(MnemonicText(label_.Caption())));
  }

 private:
  Label& label_;
};

class PictureWidget final : public WindowlessWidget {
 public:
  PictureWidget(Platform& platform, Image& image) : WindowlessWidget(platform, image), image_(image) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (image_.Picture() != loaded_) {
      loaded_ = image_.Picture();
      picture_ = loaded_.empty() ? QImage() : QImage(ToQString(loaded_));
    }
    if (picture_.isNull()) return;
    QPainter painter(this);
    // No smooth transform: each target pixel takes the nearest source one.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (image_.Stretch()) painter.drawImage(rect(), picture_);
    else painter.drawImage(QPoint(0, 0), picture_);
  }

 private:
  Image& image_;
  std::string loaded_;
  QImage picture_;
};

// A label or a picture: it reads the model whenever it paints, so any
// change of what it shows only asks for a repaint.
class WindowlessPeer final : public WidgetPeer {
 public:
  using WidgetPeer::WidgetPeer;

 protected:
  void ApplyOwn(Change what) override {
    if (what != Change::Bounds && what != Change::Visible && what != Change::Parent) Widget()->update();
  }
};

// Shows the pixels of a control that draws for itself, scaled to the
// screen's pixel ratio by taking the nearest pixel so that it stays crisp.
class DrawingWidget final : public WindowlessWidget {
 public:
  using WindowlessWidget::WindowlessWidget;

  // True while the widget paints; what the control draws meanwhile is
  // painted with it.
  [[nodiscard]] bool Painting() const { return painting_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    // A repaint still owed is done first, so the first showing already
    // has the control's pixels.
    if (control_.PaintPending()) {
      painting_ = true;
      platform_.Guard([this] { control_.Update(); });
      painting_ = false;
    }
    // The canvas's 0xFFRRGGBB pixels are opaque premultiplied ARGB, the
    // format of the window's backing store, so they are copied as they
    // are. Each changed rectangle is copied on its own: one image drawn
    // through the whole ragged region of a move is blended span by span,
    // which Qt hands to its thread pool.
    const Canvas& canvas = control_.Canvas();
    const QImage pixels(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                        static_cast<qsizetype>(canvas.Width()) * 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
      const QRect area = rect.intersected(pixels.rect());
      if (!area.isEmpty()) painter.drawImage(area.topLeft(), pixels, area);
    }
  }

 private:
  bool painting_ = false;
};

class DrawingPeer final : public WidgetPeer {
 public:
  DrawingPeer(Platform& platform, GraphicControl& control)
      : WidgetPeer(platform, control, new DrawingWidget(platform, control)) {
    // The board handles no mouse input; clicks go to what lies below.
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
  }

  void Drawn(const Rect& area) override {
    auto* widget = static_cast<DrawingWidget*>(Widget());
    if (widget && !widget->Painting()) widget->update(area.Left, area.Top, area.Width(), area.Height());
  }

 protected:
  // The model says so only when it marks a repaint as owed, which the
  // widget does first when it paints.
  void ApplyOwn(Change what) override {
    if (what == Change::Invalidated) Widget()->update();
  }
};

}  // namespace

std::unique_ptr<Peer> Platform::MakePeer(Control& control) {
  switch (control.Kind()) {
    case ControlKind::Form: return std::make_unique<FormPeer>(*this, static_cast<Form&>(control));
    case ControlKind::Button: return MakeButtonPeer(*this, static_cast<Button&>(control));
    case ControlKind::RadioButton: return std::make_unique<RadioButtonPeer>(*this, static_cast<RadioButton&>(control));
    case ControlKind::GroupBox: return std::make_unique<WidgetPeer>(*this, control, new FrameWidget);
    case ControlKind::Panel: {
      auto* panel = new QFrame;
      panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
      panel->setAutoFillBackground(true);
      return std::make_unique<WidgetPeer>(*this, control, panel);
    }
    case ControlKind::ProgressBar: return std::make_unique<ProgressBarPeer>(*this, static_cast<ProgressBar&>(control));
    case ControlKind::Label: {
      auto& label = static_cast<Label&>(control);
      return std::make_unique<WindowlessPeer>(*this, control, new LabelWidget(*this, label));
    }
    case ControlKind::Image: {
      auto& image = static_cast<Image&>(control);
      return std::make_unique<WindowlessPeer>(*this, control, new PictureWidget(*this, image));
    }
    case ControlKind::Drawing: return std::make_unique<DrawingPeer>(*this, static_cast<GraphicControl&>(control));
  }
  throw Exception("Unknown control kind");
}

}  // namespace ui::qt
