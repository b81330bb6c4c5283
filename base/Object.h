// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// The common root of every component, so that an event can name the
// component that raised it as its sender.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event that carries only its sender. Empty means not assigned.
using TNotifyEvent = std::function<void(TObject& Sender)>;
