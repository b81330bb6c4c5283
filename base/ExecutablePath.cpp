// SPDX-License-Identifier: MIT
#include "base/ExecutablePath.h"

#include <system_error>

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path executable =
      std::filesystem::canonical("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
}
