// SPDX-License-Identifier: MIT
#include "game/RegularFile.h"

#include <algorithm>
#include <memory>

// Before the system headers, whose message-box macros would hide its names.
#include "ui/Services.h"

#if defined(_WIN32)
#include <windows.h>
#elif !defined(TP_FILES_FROM_PAGE_ONLY)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

std::optional<ByteSource> OpenRegularFile(const std::filesystem::path& path) {
  if (path.empty()) return std::nullopt;
  // In pieces as from a disk, since a file the player chose may be larger than memory.
  if (ui::FileSource* source = ui::InstalledService<ui::FileSource>(); source != nullptr && source->Holds(path)) {
    return [source, path](std::uint64_t offset, std::span<char> buffer) { return source->ReadAt(path, offset, buffer); };
  }
#ifdef _WIN32
  // Full sharing lets an editor write the file in place while a request
  // reads it. It does not free the name: Windows refuses to rename another
  // file onto an open one, so a program that saves by replacing the file
  // can be told "access denied" while a request reads, and has to try again.
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const std::shared_ptr<void> file(handle, ::CloseHandle);
  // A pipe, a console or another device could make reading wait; only a
  // file on a disk is read. A folder does not open without backup semantics.
  if (::GetFileType(handle) != FILE_TYPE_DISK) return std::nullopt;
  return [file](std::uint64_t offset, std::span<char> buffer) -> std::optional<std::size_t> {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), MAXDWORD));
    if (::ReadFile(file.get(), buffer.data(), wanted, &count, &at)) return count;
    if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
    return std::nullopt;
  };
#elif defined(TP_FILES_FROM_PAGE_ONLY)
  // Every file comes from the page through the installed source; one it
  // does not hold is missing, as a file no one can open.
  return std::nullopt;
#else
  // O_NONBLOCK keeps open() from waiting for a FIFO's writer or a lease
  // holder; it changes nothing for reading a regular file.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) return std::nullopt;
  const std::shared_ptr<void> file(nullptr, [descriptor](void*) { ::close(descriptor); });
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return [descriptor, file](std::uint64_t offset, std::span<char> buffer) -> std::optional<std::size_t> {
    ssize_t count = 0;
    do {
      count = ::pread(descriptor, buffer.data(), buffer.size(), static_cast<off_t>(offset));
    } while (count < 0 && errno == EINTR);
    if (count < 0) return std::nullopt;
    return static_cast<std::size_t>(count);
  };
#endif
}
