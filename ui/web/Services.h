// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/Services.h"

namespace ui::web {

// Message boxes as dialogs in the page. A box's handler waits for OK while
// the page goes on: without an owner the game stays usable; the
// application's box lies over a veil that keeps clicks and keys from the
// game while its timers go on.
class MessageBoxes final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;
};

// The shell's open: the address in a new tab.
class PageShell final : public ShellService {
 public:
  int Open(const std::string& address) override;
};

// Text measured in the font the page draws it with.
class PageTextMeasure final : public TextMeasure {
 public:
  TextSize Measure(const Font& font, std::string_view text) override;
};

// The files beside the page, kept by the page under their paths from the
// root: each refresh fetches the file afresh. A file the player chose for this
// tab serves instead and stays where it is, read in pieces (Blob.slice) so
// that a huge one never fills the page's memory. Other events wait while a
// file is fetched or read, so to the reader each is a call that returns.
class PageFiles final : public FileSource {
 public:
  void Refresh(const std::filesystem::path& file) override;
  [[nodiscard]] bool Holds(const std::filesystem::path& file) override;
  [[nodiscard]] std::optional<std::size_t> ReadAt(const std::filesystem::path& file, std::uint64_t offset,
                                                  std::span<char> buffer) override;

 private:
  std::filesystem::path chosen_;  // the file the player's choice stands for
};

}  // namespace ui::web
