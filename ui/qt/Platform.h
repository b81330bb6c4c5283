// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include "ui/Application.h"
#include "ui/Platform.h"
#include "ui/qt/Services.h"

namespace ui::qt {

// The Qt 6 Widgets platform. It makes the QApplication when there is none
// yet, installs the message boxes, the desktop shell, the font metrics and
// the palette's system colours, and takes every key meant for a form's
// window before any widget sees it, to play it into the model's routing.
class Platform final : public QObject, public ui::Platform {
 public:
  Platform();
  ~Platform() override;

  [[nodiscard]] std::unique_ptr<Peer> MakePeer(Control& control) override;
  [[nodiscard]] std::unique_ptr<TimerPeer> MakeTimerPeer(Timer& timer) override;
  void Run(Form& mainForm) override;
  void Attach(Application* application) override { application_ = application; }
  void CancelMouseMode() override;
  void TitleChanged(const std::string& title) override;
  void IconChanged(const std::string& picture) override;

  // Runs a call from Qt into the model: under the application's error
  // guard, and never letting an exception into Qt's event loop.
  void Guard(const std::function<void()>& action) noexcept { Application::Guard(application_, action); }

  [[nodiscard]] const std::string& Title() const { return title_; }
  // The widget that shows a control, and the one its children are placed
  // in; nullptr while unbound.
  [[nodiscard]] static QWidget* WidgetOf(const Control& control);
  [[nodiscard]] static QWidget* ClientWidgetOf(const WinControl& control);
  // The control a peer's widget shows, and the form a top-level widget
  // shows; nullptr for other widgets.
  [[nodiscard]] static Control* ControlOf(const QObject* widget);
  [[nodiscard]] static Form* FormOf(const QWidget* window);
  // The model closed a form; closing the main form ends Run.
  void FormClosed(const Form& form);

  // Every key for a form's window and its closing go to the model; menus
  // and message boxes keep their own keys.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<QApplication> toolkit_;
  Application* application_ = nullptr;
  std::string title_;
  const Form* running_ = nullptr;
  MessageBoxes messageBoxes_;
  DesktopShell shell_;
  FontMetrics fontMetrics_;
  ScopedService<MessageBoxService> messageBoxesInstalled_{messageBoxes_};
  ScopedService<ShellService> shellInstalled_{shell_};
  ScopedService<TextMeasure> fontMetricsInstalled_{fontMetrics_};
};

// Drives a model timer from a precise QTimer; each tick reaches the model
// through the error guard. The model decides when to (re)start: QTimer's
// start would restart a running timer.
class QTimerPeer final : public TimerPeer {
 public:
  QTimerPeer(Platform& platform, Timer& timer);

  [[nodiscard]] bool Start(unsigned interval) override;
  void Stop() override { clock_.stop(); }

  [[nodiscard]] const QTimer& Clock() const { return clock_; }

 private:
  QTimer clock_;
};

}  // namespace ui::qt
