// SPDX-License-Identifier: MIT
// The widgets that show the controls: one peer for every kind, chosen in
// Platform::MakePeer. Each reads the model when told of a change and hands
// the user's actions back to it through the error guard.
#include <algorithm>
#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QAccessible>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Services.h"

namespace ui::qt {
namespace {

constexpr const char* kControlProperty = "ui.control";

// The widget that shows one control. It owns the widget and keeps it in
// step with the model: place, visibility, enabled state, font and its
// colour, cursor, focus and the caption of buttons and frames here; what a
// kind shows besides goes to `own`, or to an override.
class WidgetPeer : public Peer {
 public:
  WidgetPeer(Platform& platform, Control& control, QWidget* widget, std::function<void(Change)> own = {})
      : platform_(platform), control_(control), widget_(widget), own_(std::move(own)) {
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
    // The model decides who has the focus; Qt must never pick a widget of
    // its own accord, by Tab, by a click or when a widget goes away.
    widget->setFocusPolicy(Qt::NoFocus);
  }

  // The control is being destroyed: what the widget still reports on its
  // way out must not reach it.
  ~WidgetPeer() override {
    if (widget_) widget_->setProperty(kControlProperty, QVariant());
    delete widget_.data();
  }

  void Changed(Change what) override {
    if (!widget_) return;
    switch (what) {
      case Change::Bounds: ApplyBounds(); break;
      case Change::Visible: ApplyVisible(); break;
      case Change::Enabled: widget_->setEnabled(control_.Enabled()); break;
      case Change::Caption: ApplyCaption(); break;
      case Change::Font: ApplyFont(); break;
      case Change::Cursor:
        if (control_.Cursor() == Cursor::HandPoint) widget_->setCursor(Qt::PointingHandCursor);
        else widget_->unsetCursor();
        break;
      case Change::Parent: ApplyParent(); break;
      case Change::Focus: ApplyFocus(); break;
      default: break;
    }
    if (own_) own_(what);
  }

  [[nodiscard]] QWidget* Widget() const { return widget_; }
  // The widget that holds the widgets of the control's children.
  [[nodiscard]] virtual QWidget* ClientWidget() const { return widget_; }

 protected:
  virtual void ApplyCaption() {
    const QString text = ToQString(MnemonicText(control_.Caption()));
    if (auto* button = qobject_cast<QAbstractButton*>(widget_)) button->setText(text);
    if (auto* frame = qobject_cast<QGroupBox*>(widget_)) frame->setTitle(text);
    // Qt tells a screen reader of the new name.
    widget_->setAccessibleName(ToQString(control_.AccessibleName()));
  }

  virtual void ApplyParent() {
    WinControl* parent = control_.Parent();
    QWidget* parentWidget = parent ? platform_.ClientWidgetOf(*parent) : nullptr;
    if (widget_->parentWidget() != parentWidget) {
      widget_->setParent(parentWidget);
      if (parent) Restack(*parent);
    }
    ApplyBounds();
    ApplyVisible();
  }

  virtual void ApplyBounds() {
    const bool moved = widget_->pos() != QPoint(control_.Left(), control_.Top());
    widget_->setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
    // A screen reader meets controls in reading order, which a move may
    // change.
    if (moved && widget_->parentWidget()) {
      QAccessibleEvent reordered(widget_->parentWidget(), QAccessible::ObjectReorder);
      QAccessible::updateAccessibility(&reordered);
    }
  }

  // A widget without a parent would be a window of its own.
  virtual void ApplyVisible() { widget_->setVisible(control_.Visible() && widget_->parentWidget() != nullptr); }

  // A dynamic cast, as a control that is destroyed gives up its focus.
  virtual void ApplyFocus() {
    auto* window = dynamic_cast<WinControl*>(&control_);
    if (!window) return;
    if (window->Focused()) widget_->setFocus(Qt::OtherFocusReason);
    else if (widget_->hasFocus()) widget_->clearFocus();
  }

  Platform& platform_;
  Control& control_;

 private:
  // Windowed controls lie above the windowless ones of the same parent,
  // each kind in the order of placing.
  static void Restack(const WinControl& parent) {
    const auto& controls = parent.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      if (QWidget* widget = (*it)->HasWindow() ? nullptr : Platform::WidgetOf(**it)) widget->lower();
    }
  }

  // Every control shows on the button face, its text in its font's colour.
  void ApplyFont() {
    widget_->setFont(ToQFont(control_.Font()));
    QPalette palette = QApplication::palette(widget_);
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    // Only the active groups: disabled text keeps the platform's grey.
    const QColor text = ToQColor(control_.Font().Color);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::WindowText, text);
      palette.setColor(group, QPalette::ButtonText, text);
    }
    // Fully resolved, so that no child takes these colours from its parent.
    palette.setResolveMask(~QPalette::ResolveMask{0});
    widget_->setPalette(palette);
  }

  QPointer<QWidget> widget_;
  std::function<void(Change)> own_;
};

// A press of the mouse gives the control the focus through the model, as
// on the system the game was made for; Qt's own click focus is off.
void FocusOnPress(Platform& platform, WinControl& control, QAbstractButton& widget) {
  QObject::connect(&widget, &QAbstractButton::pressed, &widget, [&platform, &control] {
    platform.Guard([&control] {
      if (control.CanFocus()) control.SetFocus();
    });
  });
}

// A click anywhere on the control counts, not only on the mark and text.
class RadioWidget final : public QRadioButton {
 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
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

// The widget of a windowless control: it paints in its parent's place with
// `paint` and reports a click (a left press and release over it).
class WindowlessWidget final : public QWidget {
 public:
  WindowlessWidget(Platform& platform, Control& control, std::function<void(QWidget&, QPaintEvent&)> paint)
      : platform_(platform), control_(control), paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent* event) override { paint_(*this, *event); }
  void mousePressEvent(QMouseEvent* event) override { pressed_ = event->button() == Qt::LeftButton; }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) platform_.Guard([this] { control_.Click(); });
  }

 private:
  Platform& platform_;
  Control& control_;
  std::function<void(QWidget&, QPaintEvent&)> paint_;
  bool pressed_ = false;
};

// A label or a picture reads the model whenever it paints, so any change of
// what it shows only asks for a repaint.
std::unique_ptr<Peer> MakeWindowlessPeer(Platform& platform, Control& control,
                                         std::function<void(QWidget&, QPaintEvent&)> paint) {
  auto* widget = new WindowlessWidget(platform, control, std::move(paint));
  return std::make_unique<WidgetPeer>(platform, control, widget, [widget](Change what) {
    if (what != Change::Bounds && what != Change::Visible && what != Change::Parent) widget->update();
  });
}

// Drawn as plain text: QPainter never reads markup, and the mnemonic flag
// underlines the access letter and turns "&&" into "&".
void PaintLabel(const Label& label, QWidget& widget) {
  QPainter painter(&widget);
  painter.fillRect(widget.rect(), ToQColor(clBtnFace));
  painter.setFont(ToQFont(label.Font()));
  painter.setPen(ToQColor(label.Enabled() ? label.Font().Color : clGrayText));
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (label.WordWrap() ? Qt::TextWordWrap : 0);
  painter.drawText(widget.rect(), flags, ToQString(MnemonicText(label.Caption())));
}

// Loaded when first painted, and again when the picture changes.
class PicturePainter {
 public:
  explicit PicturePainter(const Image& image) : image_(image) {}
  void operator()(QWidget& widget, QPaintEvent& /*event*/) {
    if (image_.Picture() != loaded_) {
      loaded_ = image_.Picture();
      picture_ = loaded_.empty() ? QImage() : QImage(ToQString(loaded_));
    }
    if (picture_.isNull()) return;
    QPainter painter(&widget);
    // No smooth transform: each target pixel takes the nearest source one.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (image_.Stretch()) painter.drawImage(widget.rect(), picture_);
    else painter.drawImage(QPoint(0, 0), picture_);
  }

 private:
  const Image& image_;
  std::string loaded_;
  QImage picture_;
};

// Shows the pixels of a control that draws for itself, scaled to the
// screen's pixel ratio by taking the nearest pixel so that it stays crisp.
class DrawingPeer final : public WidgetPeer {
 public:
  DrawingPeer(Platform& platform, GraphicControl& control)
      : WidgetPeer(platform, control, new WindowlessWidget(platform, control, [this](QWidget& widget, QPaintEvent& event) {
                     Paint(widget, event);
                   })),
        drawing_(control) {
    // The board handles no mouse input; clicks go to what lies below.
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
  }

  // What the control draws while the widget paints is painted with it.
  void Drawn(const Rect& area) override {
    if (Widget() && !painting_) Widget()->update(area.Left, area.Top, area.Width(), area.Height());
  }

  // The model says so only when it marks a repaint as owed, which the
  // widget does first when it paints.
  void Changed(Change what) override {
    WidgetPeer::Changed(what);
    if (what == Change::Invalidated && Widget()) Widget()->update();
  }

 private:
  void Paint(QWidget& widget, QPaintEvent& event) {
    // A repaint still owed is done first, so the first showing already
    // has the control's pixels.
    if (drawing_.PaintPending()) {
      painting_ = true;
      platform_.Guard([this] { drawing_.Update(); });
      painting_ = false;
    }
    // The canvas's 0xFFRRGGBB pixels are opaque premultiplied ARGB, the
    // format of the window's backing store, so they are copied as they
    // are. Each changed rectangle is copied on its own: one image drawn
    // through the whole ragged region of a move is blended span by span,
    // which Qt hands to its thread pool.
    const Canvas& canvas = drawing_.Canvas();
    const QImage pixels(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                        static_cast<qsizetype>(canvas.Width()) * 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&widget);
    for (const QRect& rect : event.region()) {
      const QRect area = rect.intersected(pixels.rect());
      if (!area.isEmpty()) painter.drawImage(area.topLeft(), pixels, area);
    }
  }

  GraphicControl& drawing_;
  bool painting_ = false;
};

// Adds one item, and the items under it, to a menu bar or a menu. A
// command's text is its caption in Qt's mnemonic form, then a tab and the
// shortcut's name, which Qt shows at the right; the shortcut itself is
// matched by the model's key routing, not by Qt.
template <class Container>
void AddMenuItem(Platform& platform, Container& container, MenuItem& item) {
  const QString text = ToQString(MnemonicText(item.Caption()));
  if (item.IsSeparator()) {
    container.addSeparator();
  } else if (!item.Items().empty()) {
    QMenu* menu = container.addMenu(text);
    for (MenuItem* child : item.Items()) AddMenuItem(platform, *menu, *child);
  } else {
    const std::string shortCut = item.ShortCutText();
    QAction* action = container.addAction(shortCut.empty() ? text : text + u'\t' + ToQString(shortCut));
    QObject::connect(action, &QAction::triggered, action, [&platform, &item] { platform.Guard([&item] { item.Click(); }); });
  }
}

// Shows a form as a top-level window: the menu bar on top, the client area
// below it at the form's size, the window's frame at the form's position.
// Closing the window asks the model to close the form (Platform's event
// filter).
class FormPeer final : public WidgetPeer {
 public:
  FormPeer(Platform& platform, Form& form) : WidgetPeer(platform, form, new QWidget), form_(form) {
    QWidget* window = Widget();
    // A fixed frame: minimise and close, no maximise.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window is exactly the menu bar over the client area.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = new QMenuBar(window);
    menuBar_->hide();
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(window);
    client_->setFocusPolicy(Qt::NoFocus);
    client_->setAutoFillBackground(true);
    layout->addWidget(client_);
    window->setWindowIconText(WindowTitleText(platform.Title()));
  }

  [[nodiscard]] QWidget* ClientWidget() const override { return client_; }

  void Changed(Change what) override {
    WidgetPeer::Changed(what);
    if (what == Change::Layout) BuildMenu();
    if (what != Change::Closed) return;
    Widget()->hide();
    platform_.FormClosed(form_);
  }

 protected:
  // A window is named by its title; Qt tells a screen reader nothing of a
  // new title, where the score is.
  void ApplyCaption() override {
    Widget()->setWindowTitle(WindowTitleText(form_.Caption()));
    QAccessibleEvent renamed(Widget(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }

  void ApplyParent() override {}

  void ApplyBounds() override {
    Widget()->move(form_.Left(), form_.Top());
    client_->setFixedSize(form_.Width(), form_.Height());
  }

  void ApplyVisible() override {
    QWidget* window = Widget();
    // The form's position is that of the window's outer frame. Qt keeps it
    // so only if the window's size is settled before its first showing; a
    // size that the menu bar's layout changes on the way places the area
    // inside the frame there instead, with the title bar above it.
    if (form_.Visible() && !window->isVisible()) window->layout()->activate();
    window->setVisible(form_.Visible());
  }

  // With no control focused the window itself takes the keys.
  void ApplyFocus() override {
    if (form_.ActiveControl()) return;
    if (QWidget* focused = Widget()->focusWidget()) focused->clearFocus();
  }

 private:
  // The menu is complete when the form is bound, so it is built once.
  void BuildMenu() {
    if (!form_.Menu() || !menuBar_->isHidden()) return;
    for (MenuItem* item : form_.Menu()->Items()) AddMenuItem(platform_, *menuBar_, *item);
    menuBar_->show();
  }

  Form& form_;
  QPointer<QWidget> client_;
  QPointer<QMenuBar> menuBar_;
};

}  // namespace

std::unique_ptr<Peer> Platform::MakePeer(Control& control) {
  switch (control.Kind()) {
    case ControlKind::Form: return std::make_unique<FormPeer>(*this, static_cast<Form&>(control));
    case ControlKind::Button: {
      auto& button = static_cast<Button&>(control);
      auto* widget = new QPushButton;
      widget->setAutoDefault(false);
      QObject::connect(widget, &QPushButton::clicked, widget, [this, &button] { Guard([&button] { button.Click(); }); });
      FocusOnPress(*this, button, *widget);
      return std::make_unique<WidgetPeer>(*this, control, widget);
    }
    case ControlKind::RadioButton: {
      // Not auto-exclusive: exclusivity is the model's.
      auto& radio = static_cast<RadioButton&>(control);
      auto* widget = new RadioWidget;
      widget->setAutoExclusive(false);
      auto showChecked = [widget, &radio] {
        const QSignalBlocker blocker(widget);
        widget->setChecked(radio.Checked());
      };
      QObject::connect(widget, &QRadioButton::clicked, widget, [this, &radio, showChecked] {
        Guard([&radio] { radio.Click(); });
        // Qt toggles a non-exclusive button off when it is clicked again;
        // the model keeps it selected, and the model is what is shown.
        showChecked();
      });
      FocusOnPress(*this, radio, *widget);
      return std::make_unique<WidgetPeer>(*this, control, widget, [showChecked](Change what) {
        if (what == Change::Checked) showChecked();
      });
    }
    case ControlKind::GroupBox: return std::make_unique<WidgetPeer>(*this, control, new FrameWidget);
    case ControlKind::Panel: {
      auto* panel = new QFrame;
      panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
      panel->setAutoFillBackground(true);
      return std::make_unique<WidgetPeer>(*this, control, panel);
    }
    case ControlKind::ProgressBar: {
      // The model clamps the position before Qt sees it, as Qt would
      // ignore a value outside the range.
      auto& bar = static_cast<ProgressBar&>(control);
      auto* widget = new SegmentedBar;
      widget->setTextVisible(false);
      return std::make_unique<WidgetPeer>(*this, control, widget, [widget, &bar](Change what) {
        if (what != Change::Position) return;
        widget->setRange(bar.Min(), std::max(bar.Min(), bar.Max()));
        widget->setValue(bar.Position());
      });
    }
    case ControlKind::Label: {
      auto& label = static_cast<Label&>(control);
      return MakeWindowlessPeer(*this, control, [&label](QWidget& widget, QPaintEvent&) { PaintLabel(label, widget); });
    }
    case ControlKind::Image: return MakeWindowlessPeer(*this, control, PicturePainter(static_cast<Image&>(control)));
    case ControlKind::Drawing: return std::make_unique<DrawingPeer>(*this, static_cast<GraphicControl&>(control));
  }
  throw Exception("Unknown control kind");
}

Control* Platform::ControlOf(const QObject* widget) {
  const QVariant control = widget ? widget->property(kControlProperty) : QVariant();
  return control.isValid() ? static_cast<Control*>(control.value<void*>()) : nullptr;
}

Form* Platform::FormOf(const QWidget* window) { return dynamic_cast<Form*>(ControlOf(window)); }

QWidget* Platform::WidgetOf(const Control& control) {
  auto* peer = dynamic_cast<WidgetPeer*>(control.GetPeer());
  return peer ? peer->Widget() : nullptr;
}

QWidget* Platform::ClientWidgetOf(const WinControl& control) {
  auto* peer = dynamic_cast<WidgetPeer*>(control.GetPeer());
  return peer ? peer->ClientWidget() : nullptr;
}

}  // namespace ui::qt
