// SPDX-License-Identifier: MIT
#include "game/RegularFile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <array>
#include <string>

#include "tests/game/TempFolder.h"

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

}  // namespace
