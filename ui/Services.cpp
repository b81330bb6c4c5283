// SPDX-License-Identifier: MIT
#include "ui/Services.h"

#include "base/Exception.h"

namespace ui {

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) {
  MessageBoxService* service = InstalledService<MessageBoxService>();
  if (!service) throw Exception("No message box service is installed");
  return service->Show(text, caption, flags, owner);
}

int ShellOpen(const std::string& address) {
  ShellService* service = InstalledService<ShellService>();
  if (!service) throw Exception("No shell service is installed");
  return service->Open(address);
}

}  // namespace ui
