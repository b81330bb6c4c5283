// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

// The base of every error the game raises: one message, shown to the player
// as it stands.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  [[nodiscard]] const char* what() const noexcept override { return message_.c_str(); }
  [[nodiscard]] const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};
