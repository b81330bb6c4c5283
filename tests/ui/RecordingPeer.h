// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Platform.h"

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

// A platform that records what the model asks of it in `calls`: "Peer
// name" and "Timer name" for each peer made, "Run", "CancelMouseMode" and
// "Title" by name; the peers it makes write their changes into `changes`.
class RecordingPlatform final : public Platform {
 public:
  std::unique_ptr<Peer> MakePeer(Control& control) override {
    calls.push_back("Peer " + control.Name());
    if (refusePeers) throw Exception("Error creating window");
    return std::make_unique<RecordingPeer>(control.Name(), changes);
  }
  std::unique_ptr<TimerPeer> MakeTimerPeer(Timer& timer) override {
    calls.push_back("Timer " + timer.Name());
    return std::make_unique<IdleTimer>();
  }
  void Run(Form& form) override { calls.push_back("Run " + form.Name()); }
  void CancelMouseMode() override { calls.push_back("CancelMouseMode"); }
  void TitleChanged(const std::string& title) override { calls.push_back("Title " + title); }

  std::vector<std::string> calls;
  std::vector<std::string> changes;
  bool refusePeers = false;

 private:
  class IdleTimer final : public TimerPeer {
    bool Start(unsigned /*interval*/) override { return true; }
    void Stop() override {}
  };
};

}  // namespace ui::testing
