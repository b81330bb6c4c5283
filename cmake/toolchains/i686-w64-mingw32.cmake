# 32-bit Windows, the game's own platform. No emulator: 32-bit programs
# cannot start where the kernel's 32-bit emulation is off, so the build is
# checked without running it.
set(TP_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
