// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window in each phase of a game,
// and what it is told as the game goes on.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/Homepage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"
#include "ui/qt/Platform.h"

namespace {

QAccessibleInterface* AccessibleOf(const ui::Control& control) {
  return QAccessible::queryAccessibleInterface(ui::qt::Platform::WidgetOf(control));
}

std::string NameOf(const QAccessibleInterface* accessible) {
  return accessible ? accessible->text(QAccessible::Name).toStdString() : "<none>";
}

// Each event as a screen reader hears it: its kind, its source and the name
// (or, for a value, the value) it carried then.
using Heard = std::tuple<QAccessible::Event, QObject*, std::string>;
std::vector<Heard> heard;

void Record(QAccessibleEvent* event) {
  const bool value = event->type() == QAccessible::ValueChanged;
  heard.emplace_back(event->type(), event->object(),
                     value ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString().toStdString()
                           : NameOf(event->accessibleInterface()));
}

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() {
    application.SetTitle(kApplicationTitle);
    form = &application.CreateForm<TForm1>();
    form->Show();
    QApplication::processEvents();
  }

  void Do(const std::function<void()>& action) {
    ui::Application::Guard(&application, action);
    QApplication::processEvents();
  }

  void StartFreePlay() {
    Do([&] { form->RadioButton1().Click(); });
    Do([&] { form->Button1().Click(); });
  }

  // Qt calls a radio button that is not auto-exclusive a check box, and
  // knows nothing of what a label, a picture or the board shows.
  void ExpectEveryControlAsTheModelHasIt() const {
    const std::pair<const ui::Control*, QAccessible::Role> roles[] = {
        {form, QAccessible::Window},
        {&form->Image2(), QAccessible::Graphic},           {&form->stackbox(), QAccessible::Graphic},
        {&form->GroupBox2(), QAccessible::Grouping},       {&form->Label2(), QAccessible::StaticText},
        {&form->ProgressBar1(), QAccessible::ProgressBar}, {&form->RadioGroup1(), QAccessible::Grouping},
        {&form->RadioButton1(), QAccessible::RadioButton}, {&form->RadioButton2(), QAccessible::RadioButton},
        {&form->RadioButton3(), QAccessible::RadioButton}, {&form->Button1(), QAccessible::Button},
        {&form->Image1(), QAccessible::Graphic},           {&form->Label1(), QAccessible::StaticText},
        {&form->Label3(), QAccessible::StaticText},        {&form->Label4(), QAccessible::Link}};
    for (const auto& [control, role] : roles) {
      SCOPED_TRACE(control->Name());
      const QAccessibleInterface* accessible = AccessibleOf(*control);
      ASSERT_NE(accessible, nullptr);
      EXPECT_EQ(accessible->role(), role);
      EXPECT_EQ(NameOf(accessible), control == form ? form->Caption() : control->AccessibleName());
      EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
      EXPECT_EQ(accessible->state().invisible, !control->Showing());
      EXPECT_EQ(accessible->state().disabled, !control->Enabled());
      if (const auto* radio = dynamic_cast<const ui::RadioButton*>(control)) {
        EXPECT_EQ(accessible->state().checked, radio->Checked());
      }
    }
    QAccessibleValueInterface* gauge = AccessibleOf(form->ProgressBar1())->valueInterface();
    EXPECT_EQ(gauge->currentValue().toInt(), form->ProgressBar1().Position());
    EXPECT_EQ(gauge->maximumValue().toInt(), 200);
  }

  ui::qt::Platform platform;
  ui::Application application{&platform};
  ui::testing::RecordingMessageBoxService boxes;
  TForm1* form = nullptr;
};

TEST_F(AccessibilityTest, EveryControlSaysWhatItIsAndShowsInEveryPhase) {
  EXPECT_EQ(NameOf(AccessibleOf(form->Button1())), "Answer") << "the \"?\" says what it does";
  EXPECT_EQ(NameOf(AccessibleOf(form->Label4())), kHomepageUrl);
  ExpectEveryControlAsTheModelHasIt();
  Do([&] { form->NewGame1().Click(); });
  Do([&] { form->RadioButton2().Click(); });
  ExpectEveryControlAsTheModelHasIt();
  StartFreePlay();
  Do([&] { form->Timer2().Tick(); });
  ExpectEveryControlAsTheModelHasIt();
  // Every piece is dropped into the same column, which soon fills.
  for (int piece = 0; piece < 100 && form->stackbox().Playing(); ++piece) {
    Do([&] { form->KeyPress(' '); });
    Do([&] { form->Timer1().Tick(); });
  }
  ASSERT_FALSE(form->stackbox().Playing());
  ExpectEveryControlAsTheModelHasIt();
}

// The right answer is always the first radio button: read in that order,
// the answers would give it away.
TEST_F(AccessibilityTest, AnswersAreReadInTheOrderShown) {
  QAccessibleInterface* area = QAccessible::queryAccessibleInterface(platform.ClientWidgetOf(*form));
  for (int question = 0; question < 6; ++question) {
    Do([&] { form->NewGame1().Click(); });
    std::vector<const ui::RadioButton*> shown = {&form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3()};
    std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
    std::vector<std::string> read;
    for (int i = 0; i < area->childCount(); ++i) {
      EXPECT_EQ(area->indexOfChild(area->child(i)), i);
      if (area->child(i)->role() == QAccessible::RadioButton) read.push_back(NameOf(area->child(i)));
    }
    EXPECT_EQ(read, (std::vector{shown[0]->AccessibleName(), shown[1]->AccessibleName(), shown[2]->AccessibleName()}));
  }
}

// Qt sends events only while a screen reader listens, which takes the
// accessibility bus (with-accessibility-bus.sh); offscreen it sends none.
TEST_F(AccessibilityTest, TheGameIsAnnouncedAsItGoesOn) {
  if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) GTEST_SKIP() << "needs the accessibility bus";
  QElapsedTimer waited;
  waited.start();
  while (!QAccessible::isActive() && waited.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_TRUE(QAccessible::isActive());
  const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(Record);
  auto expectHeard = [&](QAccessible::Event type, const ui::Control& control, const std::string& text) {
    EXPECT_THAT(heard, ::testing::Contains(Heard(type, ui::qt::Platform::WidgetOf(control), text)))
        << control.Name() << " " << text;
  };

  Do([&] { form->NewGame1().Click(); });
  for (const ui::Control* changed : std::initializer_list<const ui::Control*>{
           &form->Label2(), &form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3()}) {
    expectHeard(QAccessible::NameChanged, *changed, changed->AccessibleName());
  }
  expectHeard(QAccessible::ObjectShow, form->GroupBox2(), "Question");
  heard.clear();
  StartFreePlay();
  expectHeard(QAccessible::StateChanged, form->RadioButton1(), form->RadioButton1().AccessibleName());
  expectHeard(QAccessible::ObjectHide, form->GroupBox2(), "Question");
  expectHeard(QAccessible::ObjectShow, form->Image2(), form->Image2().AccessibleName());
  heard.clear();
  while (form->Timer2().Enabled()) Do([&] { form->Timer2().Tick(); });
  expectHeard(QAccessible::ValueChanged, form->ProgressBar1(), "195");
  expectHeard(QAccessible::ObjectShow, form->GroupBox2(), "Question");
  heard.clear();
  Do([&] { form->stackbox().OnLineFull(form->stackbox(), 1); });
  expectHeard(QAccessible::NameChanged, *form, "Tolvanix Plimbora - Score : 10");

  QAccessible::installUpdateHandler(previous);
  heard.clear();
}

}  // namespace
