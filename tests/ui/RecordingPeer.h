// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ui/Peer.h"

namespace ui::testing {

// A peer that writes each change it hears into a shared log as
// "name:change", so tests can check the order the platform is told things.
class RecordingPeer final : public Peer {
 public:
  RecordingPeer(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

  void Changed(Change what) override { log_.push_back(name_ + ":" + ChangeName(what)); }

  static std::string ChangeName(Change what) {
    switch (what) {
      case Change::Bounds: return "Bounds";
      case Change::Visible: return "Visible";
      case Change::Enabled: return "Enabled";
      case Change::Caption: return "Caption";
      case Change::Font: return "Font";
      case Change::Color: return "Color";
      case Change::Cursor: return "Cursor";
      case Change::Parent: return "Parent";
      case Change::Focus: return "Focus";
      case Change::Checked: return "Checked";
      case Change::Range: return "Range";
      case Change::Position: return "Position";
      case Change::Picture: return "Picture";
      case Change::Layout: return "Layout";
      case Change::Menu: return "Menu";
      case Change::ShortCut: return "ShortCut";
      case Change::Invalidated: return "Invalidated";
      case Change::Closed: return "Closed";
    }
    return "?";
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

}  // namespace ui::testing
