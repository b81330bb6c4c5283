// SPDX-License-Identifier: MIT
#include "ui/web/Events.h"

#include <emscripten/fiber.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <vector>

#include "ui/web/Dom.h"

namespace ui::web {
namespace {

// The deepest handler (a box reporting an error raised in a handler that a
// box's loop ran) must fit, or the page traps on an overflow.
constexpr std::size_t kStackBytes = 256 * 1024;
// What a suspended stack keeps of its calls while others run.
constexpr std::size_t kSavedCallsBytes = 64 * 1024;

struct Fiber {
  emscripten_fiber_t context{};
  std::unique_ptr<char[]> stack{new char[kStackBytes]};
  std::unique_ptr<char[]> savedCalls{new char[kSavedCallsBytes]};
  std::function<void()> event;
  std::function<bool()> waitOver;  // set while it waits
  bool holdsEvents = false;
  bool finished = false;
};

// The browser's call into the program that is switching events; its own
// saved calls are few.
emscripten_fiber_t browser{};
char browserSavedCalls[16 * 1024];

std::vector<std::unique_ptr<Fiber>> waiting;  // oldest first
Fiber* running = nullptr;
std::deque<std::function<void()>> held;

void SwitchTo(Fiber& fiber) {
  running = &fiber;
  emscripten_fiber_swap(&browser, &fiber.context);
  running = nullptr;
}

[[noreturn]] void Enter(void* argument) {
  auto& fiber = *static_cast<Fiber*>(argument);
  fiber.event();
  fiber.event = nullptr;
  fiber.finished = true;
  emscripten_fiber_swap(&fiber.context, &browser);
  // A finished fiber is never resumed.
  std::abort();
}

void Start(std::function<void()> event) {
  auto fiber = std::make_unique<Fiber>();
  fiber->event = std::move(event);
  emscripten_fiber_init(&fiber->context, Enter, fiber.get(), fiber->stack.get(), kStackBytes,
                        fiber->savedCalls.get(), kSavedCallsBytes);
  Fiber& started = *fiber;
  waiting.push_back(std::move(fiber));
  SwitchTo(started);
}

bool HoldingEvents() { return !waiting.empty() && waiting.back()->holdsEvents; }

// Runs in the browser's call: resumes and starts what can go on now.
void Settle() {
  while (true) {
    if (!waiting.empty() && waiting.back()->finished) {
      waiting.pop_back();
    } else if (!waiting.empty() && waiting.back()->waitOver && waiting.back()->waitOver()) {
      Fiber& top = *waiting.back();
      top.waitOver = nullptr;
      top.holdsEvents = false;
      SwitchTo(top);
    } else if (!held.empty() && !HoldingEvents()) {
      std::function<void()> next = std::move(held.front());
      held.pop_front();
      Start(std::move(next));
    } else {
      return;
    }
  }
}

void EnterFromBrowser() {
  emscripten_fiber_init_from_current_context(&browser, browserSavedCalls, sizeof browserSavedCalls);
}

// Back in the browser's call: what the events drew goes on the page now,
// once, before the browser paints or the page's script reads it.
void ReturnToBrowser() { tp_show_drawn(); }

}  // namespace

void RunEvent(std::function<void()> event) {
  if (running) {
    event();
    return;
  }
  if (HoldingEvents()) {
    held.push_back(std::move(event));
    return;
  }
  EnterFromBrowser();
  Start(std::move(event));
  Settle();
  ReturnToBrowser();
}

void WaitUntil(const std::function<bool()>& over, bool holdEvents) {
  Fiber* fiber = running;
  if (!fiber || over()) return;
  fiber->waitOver = over;
  fiber->holdsEvents = holdEvents;
  running = nullptr;
  emscripten_fiber_swap(&fiber->context, &browser);
  running = fiber;
}

void ResumeEvents() {
  if (running) return;
  EnterFromBrowser();
  Settle();
  ReturnToBrowser();
}

bool InEvent() { return running != nullptr; }

}  // namespace ui::web
