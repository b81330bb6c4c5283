// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace ui::web {

// The page's events, each run to its end on a stack of its own, so that a
// handler can wait (for a message box's OK, for a file) while the browser
// goes on delivering other events: a nested message loop, as the desktop
// has one, on a page that cannot block.
//
// Waiting events form a stack, as nested loops do: the newest resumes first,
// and an older one only once everything above it has ended. An event that
// the page fires from inside a handler (a focus change, say) runs at once,
// inside it.

// Runs `event` now as an event of its own, or inside the running one. While
// the newest event waits with `holdEvents`, a new event is held back and run
// after it, in order, so that such a wait looks to the game like a call
// that returns.
void RunEvent(std::function<void()> event);

// Inside an event: gives the page back to the browser until `over` holds,
// checked whenever ResumeEvents is called. Outside any event it returns at
// once, as there is nothing to suspend.
void WaitUntil(const std::function<bool()>& over, bool holdEvents);

// Something an event waits for has happened: resumes the newest waiting
// events whose waits are over, then runs the events held back meanwhile.
void ResumeEvents();

// True while an event runs (not while all of them wait).
[[nodiscard]] bool InEvent();

}  // namespace ui::web
