// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// The folder that holds the running executable, with symbolic links
// resolved, so that files shipped beside it are found however it was
// started. Empty when the system cannot tell.
[[nodiscard]] std::filesystem::path ExecutableDirectory();
