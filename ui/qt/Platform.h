// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "ui/Application.h"
#include "ui/Platform.h"
#include "ui/WinControl.h"
#include "ui/qt/KeyRouter.h"
#include "ui/qt/Services.h"

namespace ui::qt {

// The Qt 6 Widgets platform. Made after the QApplication, it installs the
// message boxes, the desktop shell, the font metrics and the palette's
// system colours, and
// takes the keys of every form's window. Bind gives a form's controls,
// menu and timers their Qt peers.
class Platform final : public ui::Platform {
 public:
  Platform();
  ~Platform() override;

  void Attach(Application* application) override { application_ = application; }
  void Bind(Form& form) override;
  void Run(Form& mainForm) override;
  void CancelMouseMode() override;
  void TitleChanged(const std::string& title) override;

  // Runs a call from Qt into the model: under the application's error
  // guard, and never letting an exception into Qt's event loop.
  void Guard(const std::function<void()>& action) noexcept { Application::Guard(application_, action); }

  [[nodiscard]] const std::string& Title() const { return title_; }
  // The widget a control's children are placed in; nullptr while unbound.
  [[nodiscard]] QWidget* ClientWidgetOf(const WinControl& control) const;
  // The widget that shows a control; nullptr while unbound.
  [[nodiscard]] static QWidget* WidgetOf(const Control& control);
  // Puts the windowless children of `parent` below the windowed ones,
  // keeping the order of each kind.
  void Restack(const WinControl& parent);
  // The model closed a form; closing the main form ends Run.
  void FormClosed(const Form& form);

 private:
  void BindControl(Control& control);
  void BindOwned(Component& component);

  Application* application_ = nullptr;
  std::string title_;
  const Form* running_ = nullptr;
  KeyRouter keyRouter_{*this};
  MessageBoxes messageBoxes_;
  DesktopShell shell_;
  FontMetrics fontMetrics_;
  ScopedService<MessageBoxService> messageBoxesInstalled_{messageBoxes_};
  ScopedService<ShellService> shellInstalled_{shell_};
  ScopedService<TextMeasure> fontMetricsInstalled_{fontMetrics_};
};

}  // namespace ui::qt
