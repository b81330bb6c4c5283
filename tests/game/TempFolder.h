// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "base/Exception.h"

// A fresh folder for the files one test writes, removed with everything in
// it when the test ends.
class TempFolder final {
 public:
  // A name that no other folder has: create_directory reports a folder
  // that already existed, and a new name is drawn.
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() / ("tp-game-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) return;
    }
    throw Exception("cannot make a temporary folder");
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` exactly as given (no line-end translation) to `name`.
  std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Exception("cannot write " + file.string());
    return file;
  }

 private:
  std::filesystem::path path_;
};
