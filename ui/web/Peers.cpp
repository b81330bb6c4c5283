// SPDX-License-Identifier: MIT
// The page's peers: one element per control, chosen by the control's kind,
// and the browser's interval timers.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ui/Caption.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/SystemColors.h"
#include "ui/Timer.h"
#include "ui/web/Dom.h"
#include "ui/web/Platform.h"

namespace ui::web {
namespace {


// The element that shows each kind, as DomLibrary.js's tp_make knows it:
// the one place where a control's kind picks its element.
int ElementKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Form: return 0;         // a window: caption, menu bar, client area
    case ControlKind::Button: return 1;       // <button>
    case ControlKind::RadioButton: return 2;  // <input type=radio> without a shared name
    case ControlKind::GroupBox: return 3;     // a captioned frame, role group
    case ControlKind::Panel: return 4;        // an area inside a raised edge
    case ControlKind::ProgressBar: return 5;  // role progressbar, filled in segments
    case ControlKind::Label: return 6;        // text
    case ControlKind::Image: return 7;        // <canvas> with the picture
    case ControlKind::Drawing: return 8;      // <canvas> with the control's own pixels
  }
  return 8;
}

// A colour as the page's 0xRRGGBB.
unsigned PageColor(TColor color) {
  const TColor plain = ResolveColor(color);
  return ((plain & 0xFF) << 16) | (plain & 0xFF00) | ((plain >> 16) & 0xFF);
}

// A caption as the page shows it: the text before the access letter, the
// letter, and the text after it.
struct ShownCaption {
  std::string Before, Letter, After;
};
ShownCaption ShowCaptionOf(const std::string& caption) {
  const CaptionText shown = ParseCaption(caption);
  const std::size_t at = shown.AccessIndex.value_or(shown.Text.size());
  const std::size_t length = shown.AccessIndex ? shown.AccessLength : 0;
  return {shown.Text.substr(0, at), shown.Text.substr(at, length), shown.Text.substr(at + length)};
}


// The element that shows a control: a native control for the windowed
// kinds (so the browser gives them their roles), text for labels, a canvas
// for pictures and for controls that draw their own pixels. It is told
// what changed and reads the new state from the model.
class ElementPeer final : public Peer {
 public:
  explicit ElementPeer(Control& control);
  ~ElementPeer() override;

  void Changed(Change what) override;
  void Drawn(const Rect& area) override;

  [[nodiscard]] int Id() const { return id_; }

 private:
  void ShowCaption();
  void ShowFocus();
  void ShowMenu();

  Control& control_;
  ControlKind kind_;
  int id_;
  bool menuShown_ = false;
  // A drawing control's pixels in the page's byte order (RGBA), kept whole
  // so that the page can put any part of them straight from here.
  std::unique_ptr<std::uint32_t[]> shown_;
  int shownWidth_ = 0;
  int shownHeight_ = 0;
};

// A timer over the browser's interval timer.
class IntervalTimer final : public TimerPeer {
 public:
  explicit IntervalTimer(Timer& timer) : timer_(timer) {}
  ~IntervalTimer() override;
  [[nodiscard]] bool Start(unsigned interval) override;
  void Stop() override;
  // One interval passed; a tick still waiting to run is not doubled.
  void Ticked();

 private:
  Timer& timer_;
  int handle_ = 0;
  std::shared_ptr<bool> pending_ = std::make_shared<bool>(false);
};

ElementPeer::ElementPeer(Control& control)
    : control_(control), kind_(control.Kind()), id_(tp_make(ElementKindOf(kind_), &control)) {}

ElementPeer::~ElementPeer() { tp_remove(id_); }

// The element id that shows `control`; 0 while it has no element.
int ElementOf(const Control* control) {
  auto* peer = control ? dynamic_cast<ElementPeer*>(control->GetPeer()) : nullptr;
  return peer ? peer->Id() : 0;
}

void ElementPeer::Changed(Change what) {
  switch (what) {
    case Change::Bounds:
      tp_bounds(id_, control_.Left(), control_.Top(), control_.Width(), control_.Height());
      if (kind_ == ControlKind::ProgressBar || kind_ == ControlKind::Image) Changed(kind_ == ControlKind::ProgressBar ? Change::Position : Change::Picture);
      break;
    case Change::Visible: tp_visible(id_, control_.Visible()); break;
    case Change::Enabled: tp_enabled(id_, control_.Enabled()); break;
    case Change::Caption: ShowCaption(); break;
    case Change::Font: {
      const Font& font = control_.Font();
      tp_font(id_, font.Name.c_str(), font.Height, font.Bold, font.Underline, PageColor(font.Color));
      break;
    }
    case Change::Cursor: tp_hand(id_, control_.Cursor() == Cursor::HandPoint); break;
    case Change::Parent: tp_place(id_, ElementOf(control_.Parent())); break;
    case Change::Focus: ShowFocus(); break;
    case Change::Checked:
      if (auto* radio = dynamic_cast<RadioButton*>(&control_)) tp_checked(id_, radio->Checked());
      break;
    case Change::Position:
      if (auto* bar = dynamic_cast<ProgressBar*>(&control_)) {
        tp_gauge(id_, bar->Min(), bar->Max(), bar->Position(), bar->Width(), bar->Height());
      }
      break;
    case Change::Picture:
      if (auto* image = dynamic_cast<Image*>(&control_)) {
        tp_picture(id_, image->Picture().c_str(), image->Stretch(), image->Width(), image->Height());
      }
      break;
    case Change::Layout:
      if (auto* label = dynamic_cast<Label*>(&control_)) tp_word_wrap(id_, label->WordWrap());
      if (kind_ == ControlKind::Form) ShowMenu();
      break;
    case Change::Invalidated:
      if (kind_ == ControlKind::Drawing) tp_update_soon(&control_);
      break;
    case Change::Closed: tp_closed(id_); break;
  }
}

// A repaint draws in hundreds of small fills; each is converted here, and
// the page puts what changed on the canvas once, when the program returns to
// the browser.
void ElementPeer::Drawn(const Rect& area) {
  auto* graphic = dynamic_cast<GraphicControl*>(&control_);
  if (!graphic) return;
  const Canvas& canvas = graphic->Canvas();
  const int width = canvas.Width();
  const int height = canvas.Height();
  Rect changed = area.Intersect({0, 0, width, height});
  const bool resized = width != shownWidth_ || height != shownHeight_;
  if (resized) {
    // Every pixel is converted below, so the new pixels need no clearing.
    shown_.reset(new std::uint32_t[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)]);
    shownWidth_ = width;
    shownHeight_ = height;
    changed = {0, 0, width, height};
  }
  if (changed.IsEmpty() && !resized) return;
  const std::uint32_t* bits = canvas.Bits();
  for (int y = changed.Top; y < changed.Bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = changed.Left; x < changed.Right; ++x) {
      // 0xFFRRGGBB to the bytes R, G, B, A of the page's image data.
      const std::uint32_t pixel = bits[row + static_cast<std::size_t>(x)];
      shown_[row + static_cast<std::size_t>(x)] =
          0xFF000000u | ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
    }
  }
  tp_drawn(id_, shown_.get(), width, height, changed.Left, changed.Top, changed.Right, changed.Bottom);
}

void ElementPeer::ShowCaption() {
  // A window's title shows "&" as it is; elsewhere it marks the access
  // letter.
  if (kind_ == ControlKind::Form) {
    tp_caption(id_, control_.Caption().c_str(), "", "");
  } else {
    const ShownCaption shown = ShowCaptionOf(control_.Caption());
    tp_caption(id_, shown.Before.c_str(), shown.Letter.c_str(), shown.After.c_str());
  }
  tp_name(id_, control_.AccessibleName().c_str());
}

void ElementPeer::ShowFocus() {
  if (auto* form = dynamic_cast<Form*>(&control_)) {
    if (!form->ActiveControl() && form->Visible()) tp_focus_window(id_);
    return;
  }
  auto* window = dynamic_cast<WinControl*>(&control_);
  if (window && window->Focused()) tp_focus(id_);
}

void ElementPeer::ShowMenu() {
  auto* form = dynamic_cast<Form*>(&control_);
  if (!form || !form->Menu() || menuShown_) return;
  menuShown_ = true;
  for (MenuItem* title : form->Menu()->Items()) {
    const ShownCaption shown = ShowCaptionOf(title->Caption());
    const int titleId =
        tp_menu_add(id_, 0, title, shown.Before.c_str(), shown.Letter.c_str(), shown.After.c_str(), "", 0);
    for (MenuItem* item : title->Items()) {
      const ShownCaption text = ShowCaptionOf(item->Caption());
      tp_menu_add(id_, titleId, item, text.Before.c_str(), text.Letter.c_str(), text.After.c_str(),
                  item->ShortCutText().c_str(), item->IsSeparator());
    }
  }
}

IntervalTimer::~IntervalTimer() {
  Stop();
  *pending_ = false;
}

bool IntervalTimer::Start(unsigned interval) {
  Stop();
  handle_ = tp_timer_start(this, interval);
  return true;
}

void IntervalTimer::Stop() {
  if (handle_) tp_timer_stop(handle_);
  handle_ = 0;
}

void IntervalTimer::Ticked() {
  if (*pending_) return;
  *pending_ = true;
  // The peer may be gone by the time a held-back tick runs.
  std::shared_ptr<bool> pending = pending_;
  Timer* timer = &timer_;
  Dispatch([pending, timer] {
    if (!*pending) return;
    *pending = false;
    timer->Tick();
  });
}

}  // namespace

std::unique_ptr<Peer> Platform::MakePeer(Control& control) { return std::make_unique<ElementPeer>(control); }

std::unique_ptr<TimerPeer> Platform::MakeTimerPeer(Timer& timer) { return std::make_unique<IntervalTimer>(timer); }

}  // namespace ui::web

// The page's calls for a control or a timer. Each runs as an event.
extern "C" {

EMSCRIPTEN_KEEPALIVE void tp_click(ui::Control* control) {
  ui::web::Dispatch([control] { control->Click(); });
}

// A mouse press gives a windowed control the focus through the model.
EMSCRIPTEN_KEEPALIVE void tp_press(ui::Control* control) {
  if (!control->HasWindow()) return;
  auto* window = static_cast<ui::WinControl*>(control);
  ui::web::Dispatch([window] {
    if (window->CanFocus()) window->SetFocus();
  });
}

EMSCRIPTEN_KEEPALIVE void tp_tick(void* timer) { static_cast<ui::web::IntervalTimer*>(timer)->Ticked(); }

EMSCRIPTEN_KEEPALIVE void tp_update(ui::GraphicControl* control) {
  ui::web::Dispatch([control] { control->Update(); });
}

}  // extern "C"
