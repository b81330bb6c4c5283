// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ui {

// Asks the desktop to open a document or web address with its default
// handler, like the shell's "open" verb with a normally shown window.
class ShellService {
 public:
  ShellService() = default;
  ShellService(const ShellService&) = delete;
  ShellService& operator=(const ShellService&) = delete;
  virtual ~ShellService() = default;

  // Returns the shell's result: above 32 on success, otherwise the error
  // code of the reason (2 file not found, 31 no associated application...).
  virtual int Open(const std::string& address) = 0;
};

// Opens through the installed service; raises Exception when none is.
int ShellOpen(const std::string& address);

// Installs a service (not owned); nullptr removes it.
void SetShellService(ShellService* service);
[[nodiscard]] ShellService* InstalledShellService();

// Puts a service in place for the lifetime of the object, then restores
// the one before it.
class ScopedShellService final {
 public:
  explicit ScopedShellService(ShellService& service) : previous_(InstalledShellService()) {
    SetShellService(&service);
  }
  ~ScopedShellService() { SetShellService(previous_); }
  ScopedShellService(const ScopedShellService&) = delete;
  ScopedShellService& operator=(const ScopedShellService&) = delete;

 private:
  ShellService* previous_;
};

}  // namespace ui
