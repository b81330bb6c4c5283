// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Exception.h"
#include "ui/Font.h"

namespace ui {

// The platform's services that block, reach outside the process or need
// the toolkit's fonts. Each is an interface installed process-wide, so that
// a test can put a double in its place, like the clock in base/Clock.h.

// Box flags: the buttons in the low nibble, the icon in the next.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned kMessageBoxIconMask = 0xF0;

// The button that closed a box.
inline constexpr int IDOK = 1;

// Who a box belongs to. Without an owner the main window stays usable
// while the box is open; the application's box disables every other window.
enum class MessageBoxOwner { None, Application };

// Shows message boxes. Show returns the button that closed the box (IDOK);
// meanwhile it runs a nested event loop, so timers keep ticking and,
// without an owner, the main window keeps taking input.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual int Show(const std::string& text, const std::string& caption, unsigned flags,
                   MessageBoxOwner owner) = 0;
};

// Asks the desktop to open a document or web address with its default
// handler, like the shell's "open" verb with a normally shown window.
class ShellService {
 public:
  virtual ~ShellService() = default;
  // Returns the shell's result: above 32 on success, otherwise the error
  // code of the reason (2 file not found, 31 no associated application...).
  virtual int Open(const std::string& address) = 0;
};

// How large a line of text is in a font, as the platform draws it.
struct TextSize {
  int Width = 0;
  int Height = 0;
};
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual TextSize Measure(const Font& font, std::string_view text) = 0;
};

// Brings a file that lives outside the process (in the browser: beside the
// page, on its server) up to date before it is read, into the process's
// file system or kept by the source itself (Holds), so that the one reader
// reads it as it is now. Where files are local, none is installed.
class FileSource {
 public:
  virtual ~FileSource() = default;
  // Afterwards `file` holds the file as it is now, or is gone when it
  // cannot be had, so that it reads as missing.
  virtual void Refresh(const std::filesystem::path& file) = 0;
  // True when the source keeps `file` itself (a file the player chose,
  // which may be larger than memory): it is then read through ReadAt, in
  // pieces, instead of from the file system.
  [[nodiscard]] virtual bool Holds(const std::filesystem::path& /*file*/) { return false; }
  // Up to buffer.size() bytes of a file the source holds, from `offset`:
  // their number, 0 at the end, or nothing when it cannot be read.
  [[nodiscard]] virtual std::optional<std::size_t> ReadAt(const std::filesystem::path& /*file*/,
                                                          std::uint64_t /*offset*/, std::span<char> /*buffer*/) {
    return std::nullopt;
  }
};

// The service of one kind in use; nullptr while none is installed.
template <class Service>
[[nodiscard]] Service*& InstalledService() {
  static Service* service = nullptr;
  return service;
}

// Puts a service in place for the lifetime of the object, then restores
// the one before it.
template <class Service>
class ScopedService final {
 public:
  explicit ScopedService(Service& service) : previous_(InstalledService<Service>()) {
    InstalledService<Service>() = &service;
  }
  ~ScopedService() { InstalledService<Service>() = previous_; }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  Service* previous_;
};

// Shows a box through the installed service and returns its button;
// raises Exception when no service is installed.
inline int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                          MessageBoxOwner owner = MessageBoxOwner::None) {
  MessageBoxService* service = InstalledService<MessageBoxService>();
  if (!service) throw Exception("No message box service is installed");
  return service->Show(text, caption, flags, owner);
}

// Opens through the installed service; raises Exception when none is.
inline int ShellOpen(const std::string& address) {
  ShellService* service = InstalledService<ShellService>();
  if (!service) throw Exception("No shell service is installed");
  return service->Open(address);
}

// Refreshes through the installed source; nothing when none is installed.
inline void RefreshFile(const std::filesystem::path& file) {
  if (FileSource* source = InstalledService<FileSource>()) source->Refresh(file);
}

}  // namespace ui
