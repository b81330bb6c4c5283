// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

#include "game/TextDecoder.h"

// The bytes of a file, if it is a regular one: a directory, a FIFO, a
// socket or a device under the name counts as missing, and opening never
// waits (a FIFO without a writer would hang the game). The file is read at
// offsets, never mapped, so one truncated meanwhile just ends early. It is
// open while a copy of the source lives: for a request, until it has its
// answer. An empty path is never opened (it would stand for the current
// folder). A file that the installed ui::FileSource holds (in the browser,
// one the player chose) is read from the source instead.
[[nodiscard]] std::optional<ByteSource> OpenRegularFile(const std::filesystem::path& path);
