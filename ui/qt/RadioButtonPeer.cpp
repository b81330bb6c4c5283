// SPDX-License-Identifier: MIT
#include "ui/qt/RadioButtonPeer.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/qt/FocusOnPress.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Text.h"

namespace ui::qt {
namespace {

// A click anywhere on the control counts, not only on the mark and text.
class RadioWidget final : public QRadioButton {
 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

}  // namespace

RadioButtonPeer::RadioButtonPeer(Platform& platform, RadioButton& radio)
    : WidgetPeer(platform, radio, new RadioWidget), radio_(radio) {
  auto* widget = static_cast<QRadioButton*>(Widget());
  widget->setAutoExclusive(false);
  QObject::connect(widget, &QRadioButton::clicked, widget, [this] {
    GetPlatform().Guard([this] { radio_.Click(); });
    // Qt toggles a non-exclusive button off when it is clicked again; the
    // model keeps it selected, and the model is what is shown.
    ShowChecked();
  });
  InstallFocusOnPress(platform, radio, *widget);
}

void RadioButtonPeer::ApplyOwn(Change what) {
  if (what == Change::Caption) static_cast<QRadioButton*>(Widget())->setText(MnemonicText(radio_.Caption()));
  if (what == Change::Checked) ShowChecked();
}

void RadioButtonPeer::ShowChecked() {
  auto* widget = static_cast<QRadioButton*>(Widget());
  if (!widget) return;
  const QSignalBlocker blocker(widget);
  widget->setChecked(radio_.Checked());
}

}  // namespace ui::qt
