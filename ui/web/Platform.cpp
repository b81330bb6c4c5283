// SPDX-License-Identifier: MIT
#include "ui/web/Platform.h"

#include <emscripten/emscripten.h>

#include <optional>

#include "ui/Form.h"
#include "ui/GraphicControl.h"
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

Platform::Platform() = default;

Platform::~Platform() {
  if (running) running = nullptr;
}

void Platform::Attach(Application* application) { running = application; }

void Platform::Bind(Form& form) {
  BindControl(form);
  BindOwned(form);
}

void Platform::Run(Form& mainForm) {
  Application::Guard(running, [&mainForm] { mainForm.Show(); });
  WaitUntil([&mainForm] { return mainForm.Closed(); }, false);
}

void Platform::BindControl(Control& control) {
  if (!control.GetPeer()) {
    auto peer = std::make_unique<ElementPeer>(control);
    ElementPeer& attached = *peer;
    control.SetPeer(std::move(peer));
    attached.ShowAll();
  }
  if (auto* window = dynamic_cast<WinControl*>(&control)) {
    for (Control* child : window->Controls()) BindControl(*child);
  }
}

void Platform::BindOwned(Component& component) {
  for (const auto& owned : component.Components()) {
    if (auto* timer = dynamic_cast<Timer*>(owned.get()); timer && !timer->GetPeer()) {
      timer->SetPeer(std::make_unique<IntervalTimer>(*timer));
    }
    if (auto* control = dynamic_cast<Control*>(owned.get())) BindControl(*control);
    BindOwned(*owned);
  }
}

void RefreshFile(const std::filesystem::path& file, const std::string& address) {
  int done = 0;
  tp_fetch_file(address.c_str(), file.c_str(), InEvent() ? &done : nullptr);
  WaitForWord(done, true);
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
    std::optional<char> typed;
    if (character > 0 && character < 0x80) typed = static_cast<char>(character);
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
