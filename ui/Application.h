// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Form.h"
#include "ui/Platform.h"

namespace ui {

// The application: its title, its forms (the first is the main form), the
// event loop and the error guard that every handler runs under.
class Application final {
 public:
  // Without a platform the application runs unseen, as in tests.
  explicit Application(Platform* platform = nullptr);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The text that stands for the application on the taskbar and captions
  // the error report.
  [[nodiscard]] const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  // The picture that stands for the application in its windows' frames and
  // on the taskbar, named as Image names one.
  void SetIcon(const std::string& icon) {
    if (platform_) platform_->IconChanged(icon);
  }

  // Creates a form owned by the application and binds it to the platform;
  // the first one becomes the main form.
  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T& created = *form;
    AddForm(std::move(form));
    return created;
  }
  [[nodiscard]] Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Shows the main form and runs the event loop until it is closed.
  // Without a platform it only shows the main form.
  void Run();

  // Runs `action` under the error guard of `application`: an exception
  // that escapes it is reported and goes no further, so the event loop
  // runs on. With no application (while it is made or after it is gone)
  // the error goes to stderr. The platforms run every call into the model
  // through this.
  static void Guard(Application* application, const std::function<void()>& action) noexcept;

  // The error report: a box owned by the application, captioned with the
  // title, with the stop icon and the message (see ErrorReportText).
  void ShowException(const std::string& message) noexcept;

  // The text the error report shows: the message with a "." appended when
  // its last byte lies above "." (letters, digits, ":" and "?" gain one;
  // ".", "!", ")", quotes and blanks do not).
  [[nodiscard]] static std::string ErrorReportText(std::string_view message);

 private:
  void AddForm(std::unique_ptr<Form> form);

  Platform* platform_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
};

}  // namespace ui
