// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "ui/Services.h"

// A file opened for reading only if it is a regular file. A directory, a
// FIFO, a socket or a device under the name counts as missing, and opening
// never waits: a FIFO without a writer would otherwise hang the game. The
// file is read through read(2) (ReadFile on Windows), never mapped, so a
// file truncated while it is read just ends early instead of killing the
// process, and no writer is locked out meanwhile. A file that the installed
// ui::FileSource holds (in the browser, a file the player chose) is read
// from the source instead, in the same pieces.
class RegularFile final {
 public:
  // Opens the file; IsOpen() tells whether that worked. An empty path is
  // never opened (it would otherwise stand for the current folder).
  explicit RegularFile(const std::filesystem::path& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

#ifdef _WIN32
  [[nodiscard]] bool IsOpen() const { return source_ || handle_ != nullptr; }
#else
  [[nodiscard]] bool IsOpen() const { return source_ || descriptor_ >= 0; }
#endif

  // Reads the next bytes into the buffer: their number, 0 at the end of the
  // file, or nothing when the file cannot be read.
  [[nodiscard]] std::optional<std::size_t> Read(std::span<char> buffer);

  // Goes back to the start of the file; false when that cannot be done.
  [[nodiscard]] bool Rewind();

 private:
  // A file that the installed ui::FileSource holds is read from it, in
  // pieces, as from the file system.
  [[nodiscard]] bool OpenFromSource(const std::filesystem::path& path);
  [[nodiscard]] std::optional<std::size_t> ReadFromSource(std::span<char> buffer);

  ui::FileSource* source_ = nullptr;
  std::filesystem::path sourcePath_;
  std::uint64_t sourceOffset_ = 0;
#ifdef _WIN32
  void* handle_ = nullptr;  // the system's file handle while open
#else
  int descriptor_ = -1;
#endif
};
