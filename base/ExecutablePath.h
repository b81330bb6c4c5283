// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

// The folder that holds the running executable, with symbolic links
// resolved, so that files shipped beside it are found however it was
// started. Empty when the system cannot tell.
[[nodiscard]] std::filesystem::path ExecutableDirectory();

// The file name, without its folder, of the executable or library that
// holds `address`; the executable's name when that cannot be told.
[[nodiscard]] std::string ModuleNameOf(const void* address);
