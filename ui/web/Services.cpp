// SPDX-License-Identifier: MIT
#include "ui/web/Services.h"

#include "ui/web/Dom.h"
#include "ui/web/Events.h"

namespace ui::web {
namespace {

// Waits in the running event until the page sets `word`; outside an event
// there is nothing to wait in and the page is told not to set it.
void WaitForWord(int& word, bool holdEvents) {
  WaitUntil([&word] { return word != 0; }, holdEvents);
}

}  // namespace

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

bool PageFiles::Holds(const std::filesystem::path& file) {
  return (!chosen_.empty() && file == chosen_) || tp_page_file_held(file.c_str()) != 0;
}

std::optional<std::size_t> PageFiles::ReadAt(const std::filesystem::path& file, std::uint64_t offset,
                                             std::span<char> buffer) {
  if (chosen_.empty() || file != chosen_) {
    const int count = tp_read_page_file(file.c_str(), static_cast<double>(offset), buffer.data(),
                                        static_cast<int>(buffer.size()));
    if (count < 0) return std::nullopt;
    return static_cast<std::size_t>(count);
  }
  if (!InEvent()) return std::nullopt;
  int done = 0;
  int count = -1;
  tp_read_chosen_file(static_cast<double>(offset), buffer.data(), static_cast<int>(buffer.size()), &count, &done);
  WaitForWord(done, true);
  if (count < 0) return std::nullopt;
  return static_cast<std::size_t>(count);
}

}  // namespace ui::web
