// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window in each phase of a game,
// and what it is told as the game goes on.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/Homepage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"
#include "ui/qt/Platform.h"

namespace {

using ::testing::Contains;
using ::testing::Field;
using ::testing::AllOf;

QAccessibleInterface* AccessibleOf(const ui::Control& control) {
  return QAccessible::queryAccessibleInterface(ui::qt::Platform::WidgetOf(control));
}

std::string NameOf(const QAccessibleInterface* accessible) {
  return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string("<none>");
}

// One event as a screen reader would have heard it: what it was, whose, and
// the name or value it carried at that moment.
struct Heard {
  QAccessible::Event Type;
  QObject* Source;
  std::string Text;
};

std::vector<Heard>* heard = nullptr;

void Record(QAccessibleEvent* event) {
  if (!heard) return;
  std::string text;
  if (event->type() == QAccessible::ValueChanged) {
    text = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString().toStdString();
  } else {
    text = NameOf(event->accessibleInterface());
  }
  heard->push_back({event->type(), event->object(), text});
}

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() {
    application.SetTitle(kApplicationTitle);
    form = &application.CreateForm<TForm1>();
    form->Show();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  void Do(const std::function<void()>& action) {
    application.Guard(action);
    Settle();
  }

  void AskTheFirstQuestion() { Do([&] { form->NewGame1().Click(); }); }

  void StartFreePlay() {
    Do([&] { form->RadioButton1().Click(); });
    Do([&] { form->Button1().Click(); });
  }

  // Every piece dropped into the same column: the stack soon reaches the top.
  void PlayUntilTheGameEnds() {
    for (int piece = 0; piece < 100 && form->stackbox().Playing(); ++piece) {
      Do([&] { form->KeyPress(' '); });
      Do([&] { form->Timer1().Tick(); });
    }
    ASSERT_FALSE(form->stackbox().Playing());
  }

  // Every control of the window as its accessible interface reports it
  // must say what the model holds at this moment.
  void ExpectEveryControlAsTheModelHasIt() const {
    for (const auto& component : form->Components()) {
      const auto* control = dynamic_cast<const ui::Control*>(component.get());
      if (!control) continue;
      SCOPED_TRACE(control->Name());
      const QAccessibleInterface* accessible = AccessibleOf(*control);
      ASSERT_NE(accessible, nullptr);
      EXPECT_EQ(NameOf(accessible), control->AccessibleName());
      const QAccessible::State state = accessible->state();
      EXPECT_EQ(state.invisible, !control->Showing());
      EXPECT_EQ(state.disabled, !control->Enabled());
      if (const auto* radio = dynamic_cast<const ui::RadioButton*>(control)) {
        EXPECT_TRUE(state.checkable);
        EXPECT_EQ(state.checked, radio->Checked());
      }
    }
    QAccessibleValueInterface* gauge = AccessibleOf(form->ProgressBar1())->valueInterface();
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->currentValue().toInt(), form->ProgressBar1().Position());
    EXPECT_EQ(gauge->minimumValue().toInt(), 0);
    EXPECT_EQ(gauge->maximumValue().toInt(), 200);
  }

  ui::qt::Platform platform;
  ui::Application application{&platform};
  ui::testing::RecordingMessageBoxService boxes;
  TForm1* form = nullptr;
};

// Qt calls a radio button that is not auto-exclusive a check box, and knows
// nothing of what a label, a picture or the board shows.
TEST_F(AccessibilityTest, EveryControlReportsItsRole) {
  struct Expected {
    const ui::Control& Control;
    QAccessible::Role Role;
  };
  const Expected table[] = {
      {form->Image2(), QAccessible::Graphic},          {form->stackbox(), QAccessible::Graphic},
      {form->GroupBox2(), QAccessible::Grouping},      {form->Label2(), QAccessible::StaticText},
      {form->ProgressBar1(), QAccessible::ProgressBar}, {form->RadioGroup1(), QAccessible::Grouping},
      {form->RadioButton1(), QAccessible::RadioButton}, {form->RadioButton2(), QAccessible::RadioButton},
      {form->RadioButton3(), QAccessible::RadioButton}, {form->Button1(), QAccessible::Button},
      {form->Image1(), QAccessible::Graphic},          {form->Label1(), QAccessible::StaticText},
      {form->Label3(), QAccessible::StaticText},       {form->Label4(), QAccessible::Link},
  };
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.Control.Name());
    ASSERT_NE(AccessibleOf(expected.Control), nullptr);
    EXPECT_EQ(AccessibleOf(expected.Control)->role(), expected.Role);
    EXPECT_FALSE(AccessibleOf(expected.Control)->text(QAccessible::Name).isEmpty());
  }
  EXPECT_EQ(NameOf(AccessibleOf(form->Button1())), "Answer") << "the \"?\" says what it does";
  EXPECT_EQ(NameOf(AccessibleOf(form->Label4())), kHomepageUrl);
  const QAccessibleInterface* window = AccessibleOf(*form);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(NameOf(window), "Tolvanix PlimBora");
}

TEST_F(AccessibilityTest, EveryControlSaysWhatItShowsInEveryPhase) {
  {
    SCOPED_TRACE("title screen");
    ExpectEveryControlAsTheModelHasIt();
  }
  AskTheFirstQuestion();
  Do([&] { form->RadioButton2().Click(); });
  {
    SCOPED_TRACE("question");
    ASSERT_NE(form->Label2().Caption(), "You must start a new game !");
    ExpectEveryControlAsTheModelHasIt();
  }
  StartFreePlay();
  Do([&] { form->Timer2().Tick(); });
  {
    SCOPED_TRACE("free play");
    ASSERT_GT(form->ProgressBar1().Position(), 0);
    ExpectEveryControlAsTheModelHasIt();
  }
  PlayUntilTheGameEnds();
  {
    SCOPED_TRACE("ended");
    ExpectEveryControlAsTheModelHasIt();
  }
}

// The answer that is right is always the first radio button; a screen
// reader that met them in that order would give it away.
TEST_F(AccessibilityTest, AnswersAreReadInTheOrderShown) {
  QAccessibleInterface* area = QAccessible::queryAccessibleInterface(platform.ClientWidgetOf(*form));
  ASSERT_NE(area, nullptr);
  for (int question = 0; question < 6; ++question) {
    AskTheFirstQuestion();
    std::vector<const ui::RadioButton*> shown = {&form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3()};
    std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
    std::vector<std::string> read;
    for (int i = 0; i < area->childCount(); ++i) {
      if (area->child(i)->role() == QAccessible::RadioButton) read.push_back(NameOf(area->child(i)));
      EXPECT_EQ(area->indexOfChild(area->child(i)), i);
    }
    EXPECT_EQ(read, (std::vector<std::string>{shown[0]->AccessibleName(), shown[1]->AccessibleName(),
                                              shown[2]->AccessibleName()}));
  }
}

// Qt sends events only while a screen reader listens, which takes the
// accessibility bus (see with-accessibility-bus.sh).
TEST_F(AccessibilityTest, TheGameIsAnnouncedAsItGoesOn) {
  if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) GTEST_SKIP() << "needs the accessibility bus";
  QElapsedTimer waited;
  waited.start();
  while (!QAccessible::isActive() && waited.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_TRUE(QAccessible::isActive());
  std::vector<Heard> events;
  heard = &events;
  const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(Record);
  auto widget = [](const ui::Control& control) -> QObject* { return ui::qt::Platform::WidgetOf(control); };
  auto expectHeard = [&](QAccessible::Event type, const ui::Control& control, const std::string& text) {
    EXPECT_THAT(events, Contains(AllOf(Field(&Heard::Type, type), Field(&Heard::Source, widget(control)),
                                       Field(&Heard::Text, text))))
        << control.Name() << " " << text;
  };

  AskTheFirstQuestion();
  expectHeard(QAccessible::NameChanged, form->Label2(), form->Label2().AccessibleName());
  for (const ui::RadioButton* answer : {&form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3()}) {
    expectHeard(QAccessible::NameChanged, *answer, answer->AccessibleName());
  }
  expectHeard(QAccessible::ObjectShow, form->GroupBox2(), "Question");
  expectHeard(QAccessible::ObjectShow, form->RadioGroup1(), "Possible Answers");

  events.clear();
  StartFreePlay();
  expectHeard(QAccessible::StateChanged, form->RadioButton1(), form->RadioButton1().AccessibleName());
  expectHeard(QAccessible::ObjectHide, form->GroupBox2(), "Question");
  expectHeard(QAccessible::ObjectShow, form->Image2(), form->Image2().AccessibleName());

  events.clear();
  while (form->Timer2().Enabled()) Do([&] { form->Timer2().Tick(); });
  expectHeard(QAccessible::ValueChanged, form->ProgressBar1(), "195");
  expectHeard(QAccessible::ObjectShow, form->GroupBox2(), "Question");
  expectHeard(QAccessible::ObjectHide, form->Image2(), form->Image2().AccessibleName());

  events.clear();
  Do([&] { form->stackbox().OnLineFull(form->stackbox(), 1); });
  expectHeard(QAccessible::NameChanged, *form, form->Caption());

  QAccessible::installUpdateHandler(previous);
  heard = nullptr;
}

}  // namespace
