// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/Exception.h"

// A fresh folder for the files one test writes, removed with everything in
// it when the test ends.
class TempFolder final {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tp-game-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw Exception("cannot make a temporary folder");
    path_ = pattern;
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
