// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ui {

class Application;
class Form;

// The toolkit under the controls: it gives a form's controls, menu items and
// timers their peers and runs the event loop. Every call it makes into the
// model goes through the application's error guard.
class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // The application whose error guard the platform's calls go through;
  // nullptr when it goes away.
  virtual void Attach(Application* /*application*/) {}
  // Gives peers to the form and to everything it holds and owns that has
  // none yet; can be called again after adding controls.
  virtual void Bind(Form& form) = 0;
  // Shows the main form and runs the event loop until it is closed.
  virtual void Run(Form& mainForm) = 0;
  // Ends any mouse capture (a pressed button is released) before an error
  // is reported.
  virtual void CancelMouseMode() {}
  // The application title changed: the text that stands for the
  // application on the taskbar.
  virtual void TitleChanged(const std::string& /*title*/) {}
};

}  // namespace ui
