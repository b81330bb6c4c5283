// SPDX-License-Identifier: MIT
#include "ui/Application.h"

#include <cstdio>
#include <exception>

#include "ui/Services.h"

namespace ui {

Application::Application(Platform* platform) : platform_(platform) {
  if (platform_) platform_->Attach(this);
}

Application::~Application() {
  while (!forms_.empty()) forms_.pop_back();
  if (platform_) platform_->Attach(nullptr);
}

void Application::SetTitle(std::string title) {
  if (title == title_) return;
  title_ = std::move(title);
  if (platform_) platform_->TitleChanged(title_);
}

void Application::Run() {
  Form* main = MainForm();
  if (!main) return;
  if (platform_) platform_->Run(*main);
  else main->Show();
}

void Application::Guard(Application* application, const std::function<void()>& action) noexcept {
  auto report = [application](const char* message) {
    if (application) application->ShowException(message);
    else std::fprintf(stderr, "Unhandled error: %s\n", message);
  };
  try {
    action();
  } catch (const std::exception& error) {
    report(error.what());
  } catch (...) {
    report("Unknown error");
  }
}

void Application::ShowException(const std::string& message) noexcept {
  try {
    if (platform_) platform_->CancelMouseMode();
    ShowMessageBox(ErrorReportText(message), title_, MB_OK | MB_ICONSTOP, MessageBoxOwner::Application);
  } catch (const std::exception& error) {
    // Nothing is left to show the report with; stderr is the last witness.
    std::fprintf(stderr, "%s: %s (and the error report failed: %s)\n", title_.c_str(), message.c_str(),
                 error.what());
  } catch (...) {
    std::fprintf(stderr, "%s: %s\n", title_.c_str(), message.c_str());
  }
}

std::string Application::ErrorReportText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

void Application::AddForm(std::unique_ptr<Form> form) {
  Form& added = *form;
  forms_.push_back(std::move(form));
  if (!platform_) return;
  try {
    platform_->Bind(added);
  } catch (...) {
    // A form the platform cannot show is not kept, and the first form to
    // be kept becomes the main form.
    forms_.pop_back();
    throw;
  }
}

}  // namespace ui
