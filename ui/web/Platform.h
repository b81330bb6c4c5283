// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "ui/Application.h"
#include "ui/Platform.h"
#include "ui/Services.h"

namespace ui::web {

// Runs a call from the page into the model as an event of its own (see
// Events.h), under the error guard of the application that runs.
void Dispatch(std::function<void()> action);

// Message boxes as dialogs in the page. A box's handler waits for OK while
// the page goes on: without an owner the game stays usable; the
// application's box lies over a veil that keeps clicks and keys from the
// game while its timers go on.
class MessageBoxes final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;
};

// The shell's open: the address in a new tab.
class PageShell final : public ShellService {
 public:
  int Open(const std::string& address) override;
};

// Text measured in the font the page draws it with.
class PageTextMeasure final : public TextMeasure {
 public:
  TextSize Measure(const Font& font, std::string_view text) override;
};

// The page's platform: DOM elements for the controls (ControlPeers.h),
// the browser's timers, dialogs, tabs and text metrics. One per page.
class Platform final : public ui::Platform {
 public:
  Platform();
  ~Platform() override;

  void Attach(Application* application) override;
  void Bind(Form& form) override;
  // Shows the main form and returns when it is closed; meanwhile the page
  // goes on with its events.
  void Run(Form& mainForm) override;

 private:
  void BindControl(Control& control);
  void BindOwned(Component& component);

  MessageBoxes boxes_;
  PageShell shell_;
  PageTextMeasure measure_;
  ScopedService<MessageBoxService> boxesInstalled_{boxes_};
  ScopedService<ShellService> shellInstalled_{shell_};
  ScopedService<TextMeasure> measureInstalled_{measure_};
};

// Brings `file` up to date for a reader before it reads it: the file at
// `address` beside the page, fetched afresh, or the file the player chose
// for this tab. One that cannot be had is removed, so that it reads as
// missing. Other events wait meanwhile, so to the caller it is a call that
// returns.
void RefreshFile(const std::filesystem::path& file, const std::string& address);

}  // namespace ui::web
