// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "ui/Control.h"
#include "ui/Timer.h"

namespace ui {

class Application;
class Form;

// The toolkit under the controls. It only translates: it makes a peer for
// each control and timer the model hands it, shows what the peers are told,
// reports the user's actions and the ticks back through the application's
// error guard, and runs the event loop. The model walks the forms (Bind);
// a platform never walks the tree.
class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // A peer for `control`, chosen by a switch over its Kind() without a
  // default. Raises Exception("Error creating window") when the toolkit
  // cannot make it.
  [[nodiscard]] virtual std::unique_ptr<Peer> MakePeer(Control& control) = 0;
  // The toolkit's timer behind `timer`, stopped; the model starts it.
  [[nodiscard]] virtual std::unique_ptr<TimerPeer> MakeTimerPeer(Timer& timer) = 0;
  // Shows the main form and runs the event loop until it is closed.
  virtual void Run(Form& mainForm) = 0;

  // The application whose error guard the platform's calls go through;
  // nullptr when it goes away.
  virtual void Attach(Application* /*application*/) {}
  // Ends any mouse capture (a pressed button is released) before an error
  // is reported.
  virtual void CancelMouseMode() {}
  // The text that stands for the application on the taskbar changed.
  virtual void TitleChanged(const std::string& /*title*/) {}
  // The application's icon changed: a picture named as Image names one.
  virtual void IconChanged(const std::string& /*picture*/) {}

  // Gives a peer to the form, to every control inside it and to every
  // control and timer it owns at any depth that has none yet, parents
  // first, and tells each new peer every change once in kSyncOrder. Can be
  // called again after adding controls.
  void Bind(Form& form);
};

// How a new peer learns its control: where it lies, what it shows, then
// its place, whether it shows and the focus.
inline constexpr Change kSyncOrder[] = {Change::Parent,  Change::Font,     Change::Enabled, Change::Cursor,
                                        Change::Caption, Change::Checked,  Change::Position, Change::Picture,
                                        Change::Layout,  Change::Bounds,   Change::Visible, Change::Focus};

}  // namespace ui
