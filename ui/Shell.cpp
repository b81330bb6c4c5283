// SPDX-License-Identifier: MIT
#include "ui/Shell.h"

#include "base/Exception.h"

namespace ui {
namespace {

ShellService*& Installed() {
  static ShellService* service = nullptr;
  return service;
}

}  // namespace

int ShellOpen(const std::string& address) {
  ShellService* service = Installed();
  if (!service) throw Exception("No shell service is installed");
  return service->Open(address);
}

void SetShellService(ShellService* service) { Installed() = service; }

ShellService* InstalledShellService() { return Installed(); }

}  // namespace ui
