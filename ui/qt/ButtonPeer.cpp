// SPDX-License-Identifier: MIT
#include "ui/qt/ButtonPeer.h"

#include <QPushButton>

#include "ui/qt/FocusOnPress.h"
#include "ui/qt/Platform.h"
#include "ui/qt/Text.h"

namespace ui::qt {

ButtonPeer::ButtonPeer(Platform& platform, Button& button)
    : WidgetPeer(platform, button, new QPushButton), button_(button) {
  auto* widget = static_cast<QPushButton*>(Widget());
  widget->setAutoDefault(false);
  QObject::connect(widget, &QPushButton::clicked, widget,
                   [&platform, &button] { platform.Guard([&button] { button.Click(); }); });
  InstallFocusOnPress(platform, button, *widget);
}

void ButtonPeer::ApplyOwn(Change what) {
  if (what == Change::Caption) static_cast<QPushButton*>(Widget())->setText(MnemonicText(button_.Caption()));
}

}  // namespace ui::qt
