// SPDX-License-Identifier: MIT
#include "game/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

RegularFile::RegularFile(const std::filesystem::path& path) {
  if (path.empty()) return;
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
  if (descriptor_ < 0) return std::nullopt;
  while (true) {
    const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) return std::nullopt;
  }
}

bool RegularFile::Rewind() { return descriptor_ >= 0 && ::lseek(descriptor_, 0, SEEK_SET) == 0; }
