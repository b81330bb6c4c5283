// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "ui/Control.h"
#include "ui/Timer.h"

namespace ui {

class Application;
class Form;

// The toolkit under the controls. It only translates: it makes one peer for
// each control and timer the model hands it, shows what the peers are told
// and reports the user's actions and the ticks back to the model, and runs
// the event loop. The model walks the forms and binds (Bind); a platform
// never walks the tree. Every call it makes into the model goes through the
// application's error guard.
class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // A peer for `control`, chosen by its Kind() in a switch without a
  // default; the model attaches it and then tells it every change once
  // (Bind). Raises Exception("Error creating window") when the toolkit
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
  // The application title changed: the text that stands for the
  // application on the taskbar.
  virtual void TitleChanged(const std::string& /*title*/) {}
  // The application's icon changed: a picture named as Image names one.
  virtual void IconChanged(const std::string& /*picture*/) {}

  // Gives a peer to the form, to every control inside it and to every
  // control and timer it owns at any depth that has none yet, parents
  // before the controls inside them; can be called again after adding
  // controls. Each new peer is told of every change once, in the order of
  // kSyncOrder.
  void Bind(Form& form);
};

// How a new peer learns the whole state of its control: where it lies,
// then what it shows, then its place, whether it shows and the focus.
inline constexpr Change kSyncOrder[] = {Change::Parent,   Change::Font,    Change::Enabled,  Change::Cursor,
                                        Change::Caption,  Change::Checked, Change::Position, Change::Picture,
                                        Change::Layout,   Change::Bounds,  Change::Visible,  Change::Focus};

}  // namespace ui
