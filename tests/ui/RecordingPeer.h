// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui::testing {

// A peer that writes each change it hears into a shared log as
// "name:change", so tests can check the order the platform is told things.
class RecordingPeer final : public Peer {
 public:
  RecordingPeer(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

  void Changed(Change what) override { log_.push_back(name_ + ":" + ChangeName(what)); }

  static std::string ChangeName(Change what) {
    static const char* const kNames[] = {"Bounds",  "Visible", "Enabled",  "Caption", "Font",
                                         "Cursor",  "Parent",  "Focus",    "Checked", "Position",
                                         "Picture", "Layout",  "Invalidated", "Closed"};
    return kNames[static_cast<int>(what)];
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

}  // namespace ui::testing
