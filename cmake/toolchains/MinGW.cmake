# Cross-compiling for Windows with MinGW-w64 (posix threads), shared by the
# toolchain files of both triples, which set TP_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TP_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TP_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TP_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable carries its runtime (libgcc, libstdc++, winpthread), so
# nothing but system DLLs has to lie beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
