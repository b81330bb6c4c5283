// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "base/Exception.h"
#include "base/Object.h"
#include "ui/Component.h"

// The desktop shell could not open a link's address; the message names the
// shell's reason.
class EWebLink : public Exception {
 public:
  using Exception::Exception;
};

// Opens one web address with the user's default handler through the
// desktop shell. It shows nothing itself: a failure is raised for the
// application's error report.
class TWebLink : public ui::Component {
 public:
  // The address to open; empty at first.
  [[nodiscard]] const std::string& URL() const { return url_; }
  void SetURL(std::string url) { url_ = std::move(url); }

  // Runs OnExecute, then asks the shell to open URL (an empty one included).
  // Returns when the shell accepted the address; raises EWebLink with the
  // shell's reason otherwise. An error raised by OnExecute passes through
  // unchanged and the address is not opened.
  void Execute();

  // Called at the start of every Execute, with the link as sender.
  TNotifyEvent OnExecute;

 private:
  std::string url_;
};
