// SPDX-License-Identifier: MIT
#include "game/RegularFile.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>

RegularFile::RegularFile(const std::filesystem::path& path) {
  if (path.empty() || OpenFromSource(path)) return;
  // Full sharing, so that an editor can save the question file, or a tool
  // replace it, while the game has it open.
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  // A pipe, a console or another device under the name could make reading
  // wait; only a file on a disk is read. A folder does not open without
  // backup semantics.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    return;
  }
  handle_ = handle;
}

RegularFile::~RegularFile() {
  if (handle_) ::CloseHandle(handle_);
}

std::optional<std::size_t> RegularFile::Read(std::span<char> buffer) {
  if (source_) return ReadFromSource(buffer);
  if (!handle_) return std::nullopt;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), MAXDWORD));
  DWORD count = 0;
  if (!::ReadFile(handle_, buffer.data(), wanted, &count, nullptr)) return std::nullopt;
  return count;
}

bool RegularFile::Rewind() {
  if (source_) {
    sourceOffset_ = 0;
    return true;
  }
  return handle_ && ::SetFilePointerEx(handle_, LARGE_INTEGER{}, nullptr, FILE_BEGIN);
}

#else


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

RegularFile::RegularFile(const std::filesystem::path& path) {
  if (path.empty() || OpenFromSource(path)) return;
  // O_NONBLOCK keeps open() from waiting for a FIFO's writer or a lease
  // holder; it has no effect on reading a regular file.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) return;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return;
  }
  descriptor_ = descriptor;
}

RegularFile::~RegularFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

std::optional<std::size_t> RegularFile::Read(std::span<char> buffer) {
  if (source_) return ReadFromSource(buffer);
  if (descriptor_ < 0) return std::nullopt;
  while (true) {
    const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) return std::nullopt;
  }
}

bool RegularFile::Rewind() {
  if (source_) {
    sourceOffset_ = 0;
    return true;
  }
  return descriptor_ >= 0 && ::lseek(descriptor_, 0, SEEK_SET) == 0;
}

#endif

bool RegularFile::OpenFromSource(const std::filesystem::path& path) {
  ui::FileSource* source = ui::InstalledService<ui::FileSource>();
  if (!source || !source->Holds(path)) return false;
  source_ = source;
  sourcePath_ = path;
  return true;
}

std::optional<std::size_t> RegularFile::ReadFromSource(std::span<char> buffer) {
  const std::optional<std::size_t> count = source_->ReadAt(sourcePath_, sourceOffset_, buffer);
  if (count) sourceOffset_ += *count;
  return count;
}
