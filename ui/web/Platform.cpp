// SPDX-License-Identifier: MIT
#include "ui/web/Platform.h"

#include <emscripten/emscripten.h>

#include <optional>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/web/ControlPeers.h"
#include "ui/web/Dom.h"
#include "ui/web/Events.h"

namespace ui::web {
namespace {

Application* running = nullptr;

// Waits in the running event until the page sets `word`; outside an event
// there is nothing to wait in and the page is told not to set it.
void WaitForWord(int& word, bool holdEvents) {
  WaitUntil([&word] { return word != 0; }, holdEvents);
}

}  // namespace

void Dispatch(std::function<void()> action) {
  RunEvent([action = std::move(action)] { Application::Guard(running, action); });
}

int MessageBoxes::Show(const std::string& text, const std::string& caption, unsigned flags,
                       MessageBoxOwner owner) {
  int closed = 0;
  tp_box_show(text.c_str(), caption.c_str(), (flags & kMessageBoxIconMask) == MB_ICONSTOP,
              owner == MessageBoxOwner::Application, InEvent() ? &closed : nullptr);
  WaitForWord(closed, false);
  return IDOK;
}

int PageShell::Open(const std::string& address) { return tp_open_address(address.c_str()); }

TextSize PageTextMeasure::Measure(const Font& font, std::string_view text) {
  int size[2] = {0, 0};
  tp_measure(font.Name.c_str(), font.Height, font.Bold, std::string(text).c_str(), size);
  return {size[0], size[1]};
}

void PageFiles::Refresh(const std::filesystem::path& file) {
  if (tp_chosen_file_size() >= 0) {
    chosen_ = file;
    return;
  }
  chosen_.clear();
  // The program's folder is the page's (ExecutableDirectory), so a file's
  // place below the root is its address beside the page.
  const std::string address = file.lexically_relative("/").generic_string();
  int done = 0;
  tp_fetch_file(address.c_str(), file.c_str(), InEvent() ? &done : nullptr);
  WaitForWord(done, true);
}

bool PageFiles::Holds(const std::filesystem::path& file) { return !chosen_.empty() && file == chosen_; }

std::optional<std::size_t> PageFiles::ReadAt(const std::filesystem::path& /*file*/, std::uint64_t offset,
                                             std::span<char> buffer) {
  if (!InEvent()) return std::nullopt;
  int done = 0;
  int count = -1;
  tp_read_chosen_file(static_cast<double>(offset), buffer.data(), static_cast<int>(buffer.size()), &count, &done);
  WaitForWord(done, true);
  if (count < 0) return std::nullopt;
  return static_cast<std::size_t>(count);
}

Platform::~Platform() { running = nullptr; }

std::unique_ptr<Peer> Platform::MakePeer(Control& control) { return std::make_unique<ElementPeer>(control); }

std::unique_ptr<TimerPeer> Platform::MakeTimerPeer(Timer& timer) { return std::make_unique<IntervalTimer>(timer); }

void Platform::Attach(Application* application) { running = application; }

void Platform::IconChanged(const std::string& picture) { tp_icon(picture.c_str()); }

void Platform::Run(Form& mainForm) {
  Application::Guard(running, [&mainForm] { mainForm.Show(); });
  WaitUntil([&mainForm] { return mainForm.Closed(); }, false);
}

}  // namespace ui::web

// The page's calls into the program. Each runs as an event of its own.
extern "C" {

EMSCRIPTEN_KEEPALIVE void tp_click(ui::Control* control) {
  ui::web::Dispatch([control] { control->Click(); });
}

// A mouse press gives a windowed control the focus through the model.
EMSCRIPTEN_KEEPALIVE void tp_press(ui::Control* control) {
  auto* window = dynamic_cast<ui::WinControl*>(control);
  if (!window) return;
  ui::web::Dispatch([window] {
    if (window->CanFocus()) window->SetFocus();
  });
}

EMSCRIPTEN_KEEPALIVE void tp_key(ui::Form* form, int key, int shift, int alt, int ctrl, int character) {
  ui::web::Dispatch([=] {
    std::optional<char32_t> typed;
    if (character > 0) typed = static_cast<char32_t>(character);
    form->KeyStroke(key, {.Shift = shift != 0, .Alt = alt != 0, .Ctrl = ctrl != 0}, typed);
  });
}

EMSCRIPTEN_KEEPALIVE void tp_menu(ui::MenuItem* item) {
  ui::web::Dispatch([item] { item->Click(); });
}

EMSCRIPTEN_KEEPALIVE void tp_tick(ui::web::IntervalTimer* timer) { timer->Ticked(); }

EMSCRIPTEN_KEEPALIVE void tp_update(ui::GraphicControl* control) {
  ui::web::Dispatch([control] { control->Update(); });
}

EMSCRIPTEN_KEEPALIVE void tp_resume() { ui::web::ResumeEvents(); }

}  // extern "C"
