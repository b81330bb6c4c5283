// SPDX-License-Identifier: MIT
// The real game, started exactly as the shipped program starts it, played
// by a script of real key presses and mouse clicks. It ends with the game's
// own exit code when every check held, and with 3 otherwise.
//
// Usage: tolvanix-plimbora-scripted exit-by-menu | exit-by-close-box
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Homepage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "ui/Services.h"
#include "ui/qt/Platform.h"

namespace {

// How long one step of the script waits for the window to settle.
constexpr int kStepDelayMs = 50;
// A script that has not ended by then has hung.
constexpr int kWatchdogMs = 60000;

enum class Ending { ByMenu, ByCloseBox };

// A shell that cannot open anything, as on a desktop without a browser.
class FailingShell final : public ui::ShellService {
 public:
  int Open(const std::string& address) override {
    opened.push_back(address);
    return 1;
  }
  std::vector<std::string> opened;
};

class Script final {
 public:
  Script(TForm1& form, Ending ending) : form_(form), ending_(ending) {}

  void Start() {
    steps_ = {
        [this] { WindowIsShown(); },
        [this] { F2StartsAGame(); },
        [this] { CorrectAnswerStartsFreePlay(); },
        [this] { ArrowsSteerThePiece(); },
        [this] { SpaceDropsThePiece(); },
        [this] { FailedLinkIsReportedAndTheGameGoesOn(); },
        [this] { CloseTheWindow(); },
    };
    QTimer::singleShot(kWatchdogMs, [] {
      std::fprintf(stderr, "script: the game did not end in time\n");
      std::_Exit(4);
    });
    ScheduleNext();
  }

  [[nodiscard]] int Failures() const { return failures_; }

 private:
  void ScheduleNext() {
    if (next_ >= steps_.size()) return;
    QTimer::singleShot(kStepDelayMs, [this] {
      steps_[next_++]();
      ScheduleNext();
    });
  }

  void Check(bool holds, const char* what) {
    if (holds) return;
    ++failures_;
    std::fprintf(stderr, "script: step %zu: failed: %s\n", next_, what);
  }

  [[nodiscard]] QWidget* Window() const { return ui::qt::Platform::WidgetOf(form_); }
  [[nodiscard]] static QWidget* WidgetOf(const ui::Control& control) { return ui::qt::Platform::WidgetOf(control); }

  // Keys go where the player's keyboard sends them: the focused widget.
  void PressKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Window();
    QTest::keyClick(target, key);
  }

  void Click(const ui::Control& control) {
    QWidget* widget = WidgetOf(control);
    Check(widget != nullptr && widget->isVisible(), "the control to click is on screen");
    if (widget) QTest::mouseClick(widget, Qt::LeftButton);
  }

  void WindowIsShown() {
    QWidget* window = Window();
    Check(window != nullptr && window->isVisible(), "the main window is shown");
    if (!window) return;
    Check(window->windowTitle() == QStringLiteral("Tolvanix PlimBora"), "the window's own caption");
    Check(window->windowIconText() == QStringLiteral("Tolvanix Plimbora"), "the taskbar's application title");
    Check(!window->windowIcon().isNull() && window->windowIcon().availableSizes().contains(QSize(32, 32)),
          "the window shows the icon compiled into the program");
    QApplication::setActiveWindow(window);
    Check(!form_.stackbox().Playing(), "no game runs before F2");
  }

  void F2StartsAGame() {
    PressKey(Qt::Key_F2);
    Check(form_.stackbox().Playing(), "F2 starts a game");
    Check(form_.GroupBox2().Visible() && form_.RadioButton1().Visible(), "the question is shown");
    Check(form_.RadioButton1().Enabled(), "the answers can be chosen");
    Check(!form_.Image2().Visible(), "the picture gives way to the question");
    Check(!form_.Timer1().Enabled(), "the piece waits for the answer");
  }

  // The first answer button always carries the correct answer; only its
  // place on screen is shuffled.
  void CorrectAnswerStartsFreePlay() {
    Click(form_.RadioButton1());
    Check(form_.RadioButton1().Checked(), "a click selects the answer");
    Click(form_.Button1());
    Check(form_.Timer1().Enabled() && form_.Timer2().Enabled(), "free play runs both timers");
    Check(form_.Image2().Visible() && !form_.GroupBox2().Visible(), "the picture replaces the question");
    Check(form_.ActiveControl() == nullptr, "no control keeps the focus, so the arrows steer");
  }

  void ArrowsSteerThePiece() {
    const TBrickfall& board = form_.stackbox();
    const int x = board.CurX();
    const bool canGoLeft = board.CanMove(-1, 0);
    PressKey(Qt::Key_Left);
    Check(board.CurX() == x - (canGoLeft ? 1 : 0), "the left arrow moves the piece a column");

    const int left = board.CurX();
    const bool canGoRight = board.CanMove(1, 0);
    PressKey(Qt::Key_Right);
    Check(board.CurX() == left + (canGoRight ? 1 : 0), "the right arrow moves the piece back");

    const int y = board.CurY();
    const bool canGoDown = board.CanMove(0, 1);
    PressKey(Qt::Key_Down);
    Check(!canGoDown || board.CurY() == y + 1, "the down arrow lowers the piece a row");

    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_0);
    Check(form_.stackbox().Playing(), "turning the piece keeps the game running");
  }

  void SpaceDropsThePiece() {
    PressKey(Qt::Key_Space);
    Check(!form_.stackbox().CanMove(0, 1), "the space bar drops the piece as far as it goes");
  }

  // The box of a failed handler is modal, so it is read and closed from a
  // timer while the click that raised it waits.
  void FailedLinkIsReportedAndTheGameGoesOn() {
    FailingShell shell;
    ui::ScopedService<ui::ShellService> useFailingShell(shell);
    bool boxSeen = false;
    QTimer::singleShot(200, [this, &boxSeen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      Check(box != nullptr, "the failure is reported in a modal box");
      if (!box) return;
      boxSeen = true;
      Check(box->text() == QStringLiteral("An unknown eror has occured."), "the report gains one period");
      Check(box->windowTitle() == QStringLiteral("Tolvanix Plimbora"), "the report bears the application title");
      Check(box->icon() == QMessageBox::Critical, "the report shows the stop icon");
      box->button(QMessageBox::Ok)->click();
    });
    Click(form_.Label4());
    Check(boxSeen, "the report was shown while the click was handled");
    Check(shell.opened == std::vector<std::string>{kHomepageUrl}, "the link asks for the maker's web site");
    Check(form_.Timer1().Enabled() && form_.stackbox().Playing(), "the game goes on after the report");
  }

  void CloseTheWindow() {
    if (ending_ == Ending::ByCloseBox) {
      Window()->close();
      return;
    }
    for (QAction* action : Window()->findChildren<QAction*>()) {
      if (action->text() == QStringLiteral("E&xit")) {
        action->trigger();
        return;
      }
    }
    Check(false, "the Game menu has an Exit command");
  }

  TForm1& form_;
  Ending ending_;
  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
  int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || (std::string(argv[1]) != "exit-by-menu" && std::string(argv[1]) != "exit-by-close-box")) {
    std::fprintf(stderr, "usage: %s exit-by-menu | exit-by-close-box\n", argv[0]);
    return 2;
  }
  const Ending ending = std::string(argv[1]) == "exit-by-menu" ? Ending::ByMenu : Ending::ByCloseBox;

  std::unique_ptr<Script> script;
  ui::qt::Platform platform;
  const int code = RunGame(platform, [&](TForm1& form) {
    script = std::make_unique<Script>(form, ending);
    script->Start();
  });
  if (!script) {
    std::fprintf(stderr, "script: the main window was never built\n");
    return 3;
  }
  if (Form1 != nullptr) {
    std::fprintf(stderr, "script: the main window outlived the game\n");
    return 3;
  }
  if (script->Failures() > 0) return 3;
  std::printf("script: every check held; the game ended with code %d\n", code);
  return code;
}
