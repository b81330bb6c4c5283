// SPDX-License-Identifier: MIT
// A page with one window of every kind the binding shows, whose handlers
// report to the page (window.tpLog) what the browser tests check: the
// binding's translation of the model's rules, not the rules themselves.
#include <emscripten/emscripten.h>

#include <string>

#include "base/Color.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/Services.h"
#include "ui/StandardControls.h"
#include "ui/Timer.h"
#include "ui/web/Events.h"
#include "ui/web/Platform.h"

namespace {

void Log(const std::string& line) {
  EM_ASM({ (window.tpLog = window.tpLog || []).push(UTF8ToString($0)); }, line.c_str());
}

// Paints its left half red and its right half blue.
class Swatch final : public ui::GraphicControl {
 public:
  void Paint() override {
    Canvas().FillRect(0, 0, Width() / 2, Height(), clRed);
    Canvas().FillRect(Width() / 2, 0, Width(), Height(), clBlue);
  }
};

class BindingForm final : public ui::Form {
 public:
  BindingForm() {
    SetCaption("Binding && test");
    SetBounds(0, 0, 400, 240);
    int top = 8;
    for (const char* caption : {"One", "Two", "Three"}) {
      auto& radio = Place<ui::RadioButton>(caption, 8, top, 100, 17);
      radio.SetName(caption);
      top += 24;
    }
    Place<ui::Button>("&Focus", 120, 8, 80, 23);
    Place<ui::Button>("Hide", 120, 40, 80, 23).OnClick = [](TObject& sender) {
      static_cast<ui::Control&>(sender).Hide();
    };
    Place<ui::Button>("Throw", 120, 72, 80, 23).OnClick = [](TObject&) { throw Exception("Boom"); };
    Place<ui::Button>("Outer", 210, 8, 80, 23).OnClick = [](TObject&) {
      ui::ShowMessageBox("Outer", "Binding test", ui::MB_OK | ui::MB_ICONQUESTION);
      Log("outer done");
    };
    Place<ui::Button>("Inner", 210, 40, 80, 23).OnClick = [](TObject&) {
      ui::ShowMessageBox("Inner", "Binding test", ui::MB_OK | ui::MB_ICONQUESTION);
      Log("inner done");
    };
    Place<ui::Button>("Again", 210, 72, 80, 23).OnClick = [this](TObject&) {
      timer_.SetEnabled(true);
      timer_.SetInterval(timer_.Interval());
    };
    Place<ui::Button>("Slower", 210, 104, 80, 23).OnClick = [this](TObject&) { timer_.SetInterval(300); };
    Place<ui::Label>("Fish && &Chips", 8, 120, 100, 13).SetName("Ampersands");
    Place<ui::Label>("<b>bold</b> <script>window.tpInjected = 1</script>", 8, 140, 300, 13).SetName("Markup");
    auto& swatch = Place<Swatch>("", 300, 200, 40, 10);
    swatch.SetAccessibleName("Swatch");
    Place<ui::Button>("Mark", 300, 170, 80, 23).OnClick = [&swatch](TObject&) {
      swatch.Canvas().FillRect(2, 2, 6, 6, clLime);
    };
    auto& gauge = Place<ui::ProgressBar>("", 8, 200, 200, 17);
    gauge.SetMax(200);
    gauge.SetPosition(-5);
    gauge.SetAccessibleName("Gauge");

    auto& menu = Create<ui::MainMenu>();
    menu.Add("&Game").Add("&New").SetShortCut(ui::kKeyF2);
    menu.Items()[0]->Items()[0]->OnClick = [](TObject&) { Log("menu"); };
    SetMenu(&menu);

    timer_.SetInterval(150);
    timer_.OnTimer = [](TObject&) { EM_ASM({ window.tpTicks = (window.tpTicks || 0) + 1; }); };
    OnKeyDown = [](TObject&, int& key, ui::ShiftState) {
      Log("key " + std::to_string(key));
      key = 0;
    };
    OnKeyPress = [](TObject&, char& key) { Log(std::string("char ") + key); };
  }

 private:
  template <class T>
  T& Place(const char* caption, int left, int top, int width, int height) {
    auto& control = Create<T>();
    control.SetParent(this);
    control.SetBounds(left, top, width, height);
    control.SetCaption(caption);
    return control;
  }

  ui::Timer& timer_ = Create<ui::Timer>();
};

}  // namespace

int main() {
  ui::web::RunEvent([] {
    ui::web::Platform platform;
    ui::Application application(&platform);
    application.SetTitle("Binding test");
    application.CreateForm<BindingForm>();
    application.Run();
  });
  return 0;
}
