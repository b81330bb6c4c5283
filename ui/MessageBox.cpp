// SPDX-License-Identifier: MIT
#include "ui/MessageBox.h"

#include "base/Exception.h"

namespace ui {
namespace {

MessageBoxService*& Installed() {
  static MessageBoxService* service = nullptr;
  return service;
}

}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) {
  MessageBoxService* service = Installed();
  if (!service) throw Exception("No message box service is installed");
  return service->Show(text, caption, flags, owner);
}

void SetMessageBoxService(MessageBoxService* service) { Installed() = service; }

MessageBoxService* InstalledMessageBoxService() { return Installed(); }

}  // namespace ui
