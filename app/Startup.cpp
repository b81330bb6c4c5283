// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include <cxxabi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include "app/Pictures.h"
#include "app/Unit1.h"
#include "ui/Services.h"

namespace {

// The readable name of a type, as the program spells it ("EWebLink").
std::string TypeNameOf(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                        &std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

// A code address as eight or sixteen upper-case hexadecimal digits.
std::string AddressText(const void* address) {
  char text[2 * sizeof(void*) + 1];
  std::snprintf(text, sizeof text, "%0*jX", static_cast<int>(2 * sizeof(void*)),
                static_cast<std::uintmax_t>(reinterpret_cast<std::uintptr_t>(address)));
  return text;
}

void ShowStartupError(const std::string& text) noexcept {
  try {
    ui::ShowMessageBox(text, kStartupErrorCaption, ui::MB_OK | ui::MB_ICONSTOP, ui::MessageBoxOwner::Application);
  } catch (...) {
    // No box can be shown; the error must still be seen somewhere.
    std::fprintf(stderr, "%s: %s\n", kStartupErrorCaption, text.c_str());
  }
}

// Builds the main window. Kept out of line so that its return address
// names the start-up code that failed in the report.
[[gnu::noinline]] void CreateMainForm(ui::Application& application,
                                      const std::function<void(ui::Application&)>& createMainForm,
                                      const void*& callSite) {
#ifdef __EMSCRIPTEN__
  // WebAssembly code has no addresses to report; the module's name remains.
  callSite = nullptr;
#else
  callSite = __builtin_return_address(0);
#endif
  createMainForm(application);
}

}  // namespace

std::string StartupErrorText(std::string_view typeName, std::string_view moduleName, const void* address,
                             std::string_view message) {
  std::string text = "Exception ";
  text += typeName;
  text += " in module ";
  text += moduleName;
  text += " at ";
  text += AddressText(address);
  text += ".\n";
  text += message;
  if (!message.empty() && message.back() != '.') text += '.';
  return text;
}

int RunApplication(ui::Application& application, const std::function<void(ui::Application&)>& createMainForm,
                   const std::function<void(ui::Form&)>& beforeLoop) {
  application.SetTitle(kApplicationTitle);
  const void* callSite = nullptr;
  try {
    CreateMainForm(application, createMainForm, callSite);
  } catch (const std::exception& error) {
    ShowStartupError(StartupErrorText(TypeNameOf(typeid(error)), ModuleNameOf(callSite), callSite, error.what()));
    return 1;
  } catch (...) {
    ShowStartupError(StartupErrorText("unknown", ModuleNameOf(callSite), callSite, ""));
    return 1;
  }
  if (beforeLoop && application.MainForm()) beforeLoop(*application.MainForm());
  application.Run();
  return 0;
}

int RunGame(ui::Platform& platform, const std::function<void(TForm1&)>& beforeLoop) {
  ui::Application application(&platform);
  application.SetIcon(kIconPicture);
  std::function<void(ui::Form&)> driveWindow;
  if (beforeLoop) driveWindow = [&beforeLoop](ui::Form& form) { beforeLoop(static_cast<TForm1&>(form)); };
  return RunApplication(application, [](ui::Application& app) { app.CreateForm<TForm1>(); }, driveWindow);
}
