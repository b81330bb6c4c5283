// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ui {

// Box flags: the buttons in the low nibble, the icon in the next.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned kMessageBoxIconMask = 0xF0;

// The button that closed a box.
inline constexpr int IDOK = 1;

// Who a box belongs to. Without an owner the main window stays usable
// while the box is open; the application's box disables every other window.
enum class MessageBoxOwner { None, Application };

// Shows message boxes. Show returns when the box is closed; meanwhile it
// runs a nested event loop, so timers keep ticking and, without an owner,
// the main window keeps taking input.
class MessageBoxService {
 public:
  MessageBoxService() = default;
  MessageBoxService(const MessageBoxService&) = delete;
  MessageBoxService& operator=(const MessageBoxService&) = delete;
  virtual ~MessageBoxService() = default;

  // Returns the button that closed the box (IDOK).
  virtual int Show(const std::string& text, const std::string& caption, unsigned flags,
                   MessageBoxOwner owner) = 0;
};

// Shows a box through the installed service and returns its button;
// raises Exception when no service is installed.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   MessageBoxOwner owner = MessageBoxOwner::None);

// Installs a service (not owned); nullptr removes it.
void SetMessageBoxService(MessageBoxService* service);
[[nodiscard]] MessageBoxService* InstalledMessageBoxService();

// Puts a service in place for the lifetime of the object, then restores
// the one before it.
class ScopedMessageBoxService final {
 public:
  explicit ScopedMessageBoxService(MessageBoxService& service) : previous_(InstalledMessageBoxService()) {
    SetMessageBoxService(&service);
  }
  ~ScopedMessageBoxService() { SetMessageBoxService(previous_); }
  ScopedMessageBoxService(const ScopedMessageBoxService&) = delete;
  ScopedMessageBoxService& operator=(const ScopedMessageBoxService&) = delete;

 private:
  MessageBoxService* previous_;
};

}  // namespace ui
