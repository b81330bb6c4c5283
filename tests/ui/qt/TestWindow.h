// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Control.h"
#include "ui/StandardControls.h"
#include "ui/Timer.h"
#include "ui/qt/Platform.h"
#include "tests/ui/testing/Swatch.h"

namespace ui::qt::testing {

using ::ui::testing::Swatch;

// A small window in the manner of the game's: three answers, an answer
// button, a frame with a label, a gauge, a drawn area, a timer and a Game
// menu with New Game on F2. Handlers write what reached them into `log`.
class TestWindow final : public Form {
 public:
  TestWindow() {
    SetCaption("Test window");
    SetBounds(40, 30, 300, 200);

    Place(swatch, 8, 8, 40, 40);
    Place(answer1, 60, 10, 150, 17);
    Place(answer2, 60, 30, 150, 17);
    Place(answer3, 60, 50, 150, 17);
    Place(button, 220, 10, 25, 60);
    button.SetCaption("?");
    Place(other, 250, 10, 40, 24);
    other.SetCaption("Other");
    Place(frame, 8, 80, 200, 60);
    frame.SetCaption("Question");
    label.SetParent(&frame);
    label.SetBounds(8, 20, 180, 30);
    label.SetAutoSize(true);
    Place(gauge, 8, 150, 200, 17);
    gauge.SetMax(200);

    timer.SetEnabled(false);
    timer.SetInterval(450);

    MenuItem& game = menu.Add("Game");
    MenuItem& newGame = game.Add("&New Game");
    newGame.SetShortCut(kKeyF2);
    newGame.OnClick = [this](TObject&) { log.push_back("NewGame1Click"); };
    game.AddSeparator();
    MenuItem& exit = game.Add("E&xit");
    exit.OnClick = [this](TObject&) { Close(); };
    menu.Add("&Help").Add("How to &play ?");
    SetMenu(&menu);

    OnKeyDown = [this](TObject&, int& key, ShiftState) {
      log.push_back("KeyDown " + std::to_string(key));
      key = 0;
    };
    OnKeyPress = [this](TObject&, char& key) { log.push_back(std::string("KeyPress ") + key); };
    button.OnClick = [this](TObject&) { log.push_back("Button1Click"); };
    other.OnClick = [this](TObject&) { log.push_back("OtherClick"); };
  }

  Swatch& swatch = Create<Swatch>();
  RadioButton& answer1 = Create<RadioButton>();
  RadioButton& answer2 = Create<RadioButton>();
  RadioButton& answer3 = Create<RadioButton>();
  Button& button = Create<Button>();
  Button& other = Create<Button>();
  GroupBox& frame = Create<GroupBox>();
  Label& label = Create<Label>();
  ProgressBar& gauge = Create<ProgressBar>();
  Timer& timer = Create<Timer>();
  MainMenu& menu = Create<MainMenu>();
  std::vector<std::string> log;

 private:
  void Place(Control& control, int left, int top, int width, int height) {
    control.SetParent(this);
    control.SetBounds(left, top, width, height);
  }
};

// A platform, an application and the test window, shown and active.
class BindingTest : public ::testing::Test {
 protected:
  BindingTest() {
    app.SetTitle("Tolvanix Plimbora");
    form.Show();
    Window()->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(Window()));
  }

  [[nodiscard]] QWidget* Window() const { return Platform::WidgetOf(form); }
  [[nodiscard]] QWindow* Handle() const { return Window()->windowHandle(); }
  [[nodiscard]] QMenuBar* MenuBar() const { return Window()->findChild<QMenuBar*>(); }
  template <class T = QWidget>
  [[nodiscard]] T* WidgetOf(const Control& control) const {
    return qobject_cast<T*>(Platform::WidgetOf(control));
  }

  Platform platform;
  Application app{&platform};
  TestWindow& form = app.CreateForm<TestWindow>();
};

}  // namespace ui::qt::testing
