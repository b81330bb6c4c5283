// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "base/Exception.h"
#include "tests/ui/qt/TestWindow.h"
#include "ui/Services.h"

namespace ui::qt::testing {
namespace {

using ::testing::ElementsAre;

// What a box showed while it was open, and what could be done meanwhile.
struct OpenBox {
  QString Title;
  QString Text;
  Qt::TextFormat Format = Qt::AutoText;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  bool ApplicationModal = false;
};

QMessageBox* VisibleBox() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) return box;
  }
  return nullptr;
}

class MessageBoxTest : public BindingTest {
 protected:
  // A click as the window system delivers it, which a modal box can block.
  void ClickThroughTheWindow(const Control& control) {
    QWidget* widget = WidgetOf(control);
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, widget->mapTo(Window(), widget->rect().center()));
  }

  // Runs `whileOpen` once the next box is up, then closes the box.
  void WhenTheBoxOpens(std::function<void()> whileOpen) {
    QTimer::singleShot(0, Window(), [this, whileOpen = std::move(whileOpen)] {
      ASSERT_TRUE(QTest::qWaitFor([] { return VisibleBox() != nullptr; }, 5000));
      QMessageBox* box = VisibleBox();
      seen = {box->windowHandle()->title(), box->text(), box->textFormat(), box->icon(),
              QApplication::activeModalWidget() == box};
      whileOpen();
      box->button(QMessageBox::Ok)->click();
    });
  }

  OpenBox seen;
};

TEST_F(MessageBoxTest, ABoxWithoutOwnerLeavesTheMainWindowUsable) {
  form.button.OnClick = [this](TObject&) {
    WhenTheBoxOpens([this] { ClickThroughTheWindow(form.other); });
    const int result = ShowMessageBox("The correct answer was: <b>42</b> & more", "Tolvanix Plimbora",
                                      MB_OK | MB_ICONQUESTION);
    form.log.push_back("closed with " + std::to_string(result));
  };
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  EXPECT_THAT(form.log, ElementsAre("OtherClick", "closed with 1"));
  EXPECT_FALSE(seen.ApplicationModal);
  EXPECT_EQ(seen.Title, QStringLiteral("Tolvanix Plimbora"));
  EXPECT_EQ(seen.Text, QStringLiteral("The correct answer was: <b>42</b> & more"));
  EXPECT_EQ(seen.Format, Qt::PlainText);
  EXPECT_EQ(seen.Icon, QMessageBox::Question);
}

TEST_F(MessageBoxTest, TimersKeepTickingWhileABoxIsOpen) {
  int ticks = 0;
  form.timer.OnTimer = [&](TObject&) { ++ticks; };
  form.timer.SetInterval(1);
  form.timer.SetEnabled(true);
  int ticksWhileOpen = 0;
  WhenTheBoxOpens([&] {
    const int before = ticks;
    static_cast<void>(QTest::qWaitFor([&] { return ticks >= before + 2; }, 5000));
    ticksWhileOpen = ticks - before;
  });
  ShowMessageBox("If you give a correct answer ...", "Tolvanix Plimbora", MB_OK | MB_ICONQUESTION);
  EXPECT_GE(ticksWhileOpen, 2);
}

TEST_F(MessageBoxTest, TheErrorReportIsModalForTheWholeApplication) {
  form.button.OnClick = [](TObject&) { throw Exception("An unknown eror has occured"); };
  WhenTheBoxOpens([this] { ClickThroughTheWindow(form.other); });
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  EXPECT_TRUE(seen.ApplicationModal);
  EXPECT_EQ(seen.Text, QStringLiteral("An unknown eror has occured."));
  EXPECT_EQ(seen.Title, QStringLiteral("Tolvanix Plimbora"));
  EXPECT_EQ(seen.Icon, QMessageBox::Critical);
  EXPECT_THAT(form.log, ::testing::IsEmpty()) << "the main window took no input meanwhile";

  ClickThroughTheWindow(form.other);
  EXPECT_THAT(form.log, ElementsAre("OtherClick")) << "and takes it again once the box is closed";
}

}  // namespace
}  // namespace ui::qt::testing
