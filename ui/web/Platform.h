// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/Application.h"
#include "ui/Platform.h"
#include "ui/Services.h"
#include "ui/web/Services.h"

namespace ui::web {

// Runs a call from the page into the model as an event of its own (see
// Events.h), under the error guard of the application that runs.
void Dispatch(std::function<void()> action);

// The page's platform: DOM elements for the controls (Peers.cpp),
// the browser's timers, dialogs, tabs, text metrics and files. One per
// page; its Run must be called inside an event (Events.h).
class Platform final : public ui::Platform {
 public:
  Platform() = default;
  ~Platform() override;

  [[nodiscard]] std::unique_ptr<Peer> MakePeer(Control& control) override;
  [[nodiscard]] std::unique_ptr<TimerPeer> MakeTimerPeer(Timer& timer) override;
  // Shows the main form and returns when it is closed; meanwhile the page
  // goes on with its events.
  void Run(Form& mainForm) override;
  void Attach(Application* application) override;
  void IconChanged(const std::string& picture) override;

 private:
  MessageBoxes boxes_;
  PageShell shell_;
  PageTextMeasure measure_;
  PageFiles files_;
  ScopedService<MessageBoxService> boxesInstalled_{boxes_};
  ScopedService<ShellService> shellInstalled_{shell_};
  ScopedService<TextMeasure> measureInstalled_{measure_};
  ScopedService<FileSource> filesInstalled_{files_};
};

}  // namespace ui::web
