// SPDX-License-Identifier: MIT
#include "game/RegularFile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tests/game/TempFolder.h"
#include "ui/Services.h"

namespace {

std::string ReadAll(RegularFile& file) {
  std::string text;
  std::array<char, 3> piece{};
  while (const auto count = file.Read(piece)) {
    if (*count == 0) break;
    text.append(piece.data(), *count);
  }
  return text;
}

class RegularFileTest : public testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(RegularFileTest, ReadsARegularFileInPiecesAndAgainAfterRewind) {
  const std::string content("[s]\r\nk=1\0x", 10);
  RegularFile file(folder_.Write("a.ini", content));
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(ReadAll(file), content);
  ASSERT_TRUE(file.Rewind());
  EXPECT_EQ(ReadAll(file), content);
}

#ifdef _WIN32
TEST_F(RegularFileTest, OnlyFilesOnADiskOpen) {
  const wchar_t* pipeName = L"\\\\.\\pipe\\tp-regular-file-test";
  HANDLE pipe = ::CreateNamedPipeW(pipeName, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(RegularFile(pipeName).IsOpen());  // and does not wait for the pipe's data
  ::CloseHandle(pipe);
  EXPECT_FALSE(RegularFile(folder_.Path()).IsOpen());
  EXPECT_FALSE(RegularFile("NUL").IsOpen());
  EXPECT_FALSE(RegularFile(folder_.Path() / "CON").IsOpen());
#else
TEST_F(RegularFileTest, OnlyRegularFilesOpen) {
  ASSERT_EQ(::mkfifo((folder_.Path() / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(RegularFile(folder_.Path() / "fifo").IsOpen());  // and does not wait for a writer
  EXPECT_FALSE(RegularFile(folder_.Path()).IsOpen());
  EXPECT_FALSE(RegularFile("/dev/null").IsOpen());
#endif
  EXPECT_FALSE(RegularFile(folder_.Path() / "missing").IsOpen());
  EXPECT_FALSE(RegularFile(std::filesystem::path{}).IsOpen());
}

TEST_F(RegularFileTest, ClosedFileReadsNothing) {
  RegularFile file(folder_.Path() / "missing");
  std::array<char, 4> piece{};
  EXPECT_EQ(file.Read(piece), std::nullopt);
  EXPECT_FALSE(file.Rewind());
}

// Also shows that the open file leaves writers free to change it.
TEST_F(RegularFileTest, FileTruncatedWhileOpenEndsEarly) {
  const auto path = folder_.Write("a.ini", std::string(10000, 'x'));
  RegularFile file(path);
  std::array<char, 4096> piece{};
  ASSERT_EQ(file.Read(piece), 4096U);
  std::filesystem::resize_file(path, 100);
  EXPECT_EQ(file.Read(piece), 0U);
}

// A source that holds one file in memory (as the web page holds a file the
// player chose) and records the offsets it is asked to read from.
class HeldFileSource final : public ui::FileSource {
 public:
  HeldFileSource(std::filesystem::path file, std::string content)
      : file_(std::move(file)), content_(std::move(content)) {}
  void Refresh(const std::filesystem::path& /*file*/) override {}
  bool Holds(const std::filesystem::path& file) override { return file == file_; }
  std::optional<std::size_t> ReadAt(const std::filesystem::path& /*file*/, std::uint64_t offset,
                                    std::span<char> buffer) override {
    offsets.push_back(offset);
    if (offset >= content_.size()) return 0;
    const std::size_t count = std::min(buffer.size(), content_.size() - static_cast<std::size_t>(offset));
    std::copy_n(content_.data() + offset, count, buffer.data());
    return count;
  }
  std::vector<std::uint64_t> offsets;

 private:
  std::filesystem::path file_;
  std::string content_;
};

TEST_F(RegularFileTest, AFileTheSourceHoldsIsReadFromItPieceByPieceAndAgainAfterRewind) {
  // Not on disk at all: the source stands for it.
  HeldFileSource source(folder_.Path() / "held.ini", "[s]\nk=1\n");
  const ui::ScopedService<ui::FileSource> installed(source);
  RegularFile file(folder_.Path() / "held.ini");
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(ReadAll(file), "[s]\nk=1\n");
  ASSERT_TRUE(file.Rewind());
  EXPECT_EQ(ReadAll(file), "[s]\nk=1\n");
  EXPECT_EQ(source.offsets, (std::vector<std::uint64_t>{0, 3, 6, 8, 0, 3, 6, 8}));
  // Any other file still comes from the file system.
  RegularFile other(folder_.Write("other.ini", "x"));
  EXPECT_EQ(ReadAll(other), "x");
  EXPECT_EQ(source.offsets.size(), 8U);
}

}  // namespace
