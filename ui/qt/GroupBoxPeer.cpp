// SPDX-License-Identifier: MIT
#include "ui/qt/GroupBoxPeer.h"

#include <QGroupBox>

#include "ui/qt/Text.h"

namespace ui::qt {

GroupBoxPeer::GroupBoxPeer(Platform& platform, GroupBox& box)
    : WidgetPeer(platform, box, new QGroupBox), box_(box) {}

void GroupBoxPeer::ApplyOwn(Change what) {
  if (what == Change::Caption) static_cast<QGroupBox*>(Widget())->setTitle(MnemonicText(box_.Caption()));
}

}  // namespace ui::qt
