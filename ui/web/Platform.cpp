// SPDX-License-Identifier: MIT
#include "ui/web/Platform.h"

#include <emscripten/emscripten.h>

#include <optional>

#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/web/Dom.h"
#include "ui/web/Events.h"

namespace ui::web {
namespace {

// The application whose error guard the page's calls go through.
Application* running = nullptr;

}  // namespace

void Dispatch(std::function<void()> action) {
  RunEvent([action = std::move(action)] { Application::Guard(running, action); });
}

Platform::~Platform() { running = nullptr; }

void Platform::Attach(Application* application) { running = application; }

void Platform::IconChanged(const std::string& picture) { tp_icon(picture.c_str()); }

void Platform::Run(Form& mainForm) {
  Application::Guard(running, [&mainForm] { mainForm.Show(); });
  WaitUntil([&mainForm] { return mainForm.Closed(); }, false);
}

}  // namespace ui::web

// The page's calls for a form and for a wait that is over.
extern "C" {

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

EMSCRIPTEN_KEEPALIVE void tp_resume() { ui::web::ResumeEvents(); }

}  // extern "C"
