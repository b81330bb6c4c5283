// SPDX-License-Identifier: MIT
#include "tests/ui/testing/ManualTimers.h"

#include <algorithm>
#include <vector>

#include "ui/Application.h"
#include "ui/Timer.h"

namespace ui::testing {

struct ManualTimers::State {
  struct Entry {
    Timer* Owner = nullptr;
    bool Running = false;
    unsigned Interval = 0;
    std::uint64_t Due = 0;
    int Starts = 0;
  };

  std::uint64_t Now = 0;
  bool Refuse = false;
  Application* App = nullptr;
  // Entries stay allocated while their peer lives; a peer removes its own.
  std::vector<std::shared_ptr<Entry>> Entries;

  [[nodiscard]] const Entry* Find(const Timer& timer) const {
    for (const auto& entry : Entries) {
      if (entry->Owner == &timer) return entry.get();
    }
    return nullptr;
  }
};

namespace {

class ManualTimerPeer final : public TimerPeer {
 public:
  ManualTimerPeer(std::shared_ptr<ManualTimers::State> state, Timer& owner)
      : state_(std::move(state)), entry_(std::make_shared<ManualTimers::State::Entry>()) {
    entry_->Owner = &owner;
    state_->Entries.push_back(entry_);
  }
  ~ManualTimerPeer() override { std::erase(state_->Entries, entry_); }

  bool Start(unsigned interval) override {
    if (state_->Refuse) return false;
    entry_->Running = true;
    entry_->Interval = interval;
    entry_->Due = state_->Now + interval;
    ++entry_->Starts;
    return true;
  }

  void Stop() override { entry_->Running = false; }

 private:
  std::shared_ptr<ManualTimers::State> state_;
  std::shared_ptr<ManualTimers::State::Entry> entry_;
};

}  // namespace

ManualTimers::ManualTimers() : state_(std::make_shared<State>()) {}

ManualTimers::~ManualTimers() = default;

void ManualTimers::Bind(Timer& timer) { timer.SetPeer(std::make_unique<ManualTimerPeer>(state_, timer)); }

void ManualTimers::Bind(Component& root) {
  if (auto* timer = dynamic_cast<Timer*>(&root)) Bind(*timer);
  for (const auto& component : root.Components()) Bind(*component);
}

void ManualTimers::SetApplication(Application* application) { state_->App = application; }

void ManualTimers::Advance(std::uint64_t milliseconds) {
  const std::uint64_t target = state_->Now + milliseconds;
  for (;;) {
    std::shared_ptr<State::Entry> next;
    for (const auto& entry : state_->Entries) {
      if (entry->Running && entry->Interval > 0 && entry->Due <= target && (!next || entry->Due < next->Due)) {
        next = entry;
      }
    }
    if (!next) break;
    state_->Now = next->Due;
    next->Due += next->Interval;
    Timer* timer = next->Owner;
    if (state_->App) Application::Guard(state_->App, [timer] { timer->Tick(); });
    else timer->Tick();
  }
  state_->Now = target;
}

std::uint64_t ManualTimers::Now() const { return state_->Now; }

void ManualTimers::SetRefuseTimers(bool refuse) { state_->Refuse = refuse; }

bool ManualTimers::Running(const Timer& timer) const {
  const State::Entry* entry = state_->Find(timer);
  return entry && entry->Running;
}

std::uint64_t ManualTimers::NextTick(const Timer& timer) const {
  const State::Entry* entry = state_->Find(timer);
  return entry ? entry->Due : 0;
}

int ManualTimers::Starts(const Timer& timer) const {
  const State::Entry* entry = state_->Find(timer);
  return entry ? entry->Starts : 0;
}

}  // namespace ui::testing
