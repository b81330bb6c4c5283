// SPDX-License-Identifier: MIT
#pragma once

// Where the pictures compiled into the executable are found. The build puts
// them there as resources (app/CMakeLists.txt), so the game needs no file
// beside it but its questions.
#ifdef _WIN32
// Resource names (app/Pictures.rc).
inline constexpr const char* kLeafPicture = "LEAF";
inline constexpr const char* kIconPicture = "MAINICON";
#elif defined(__EMSCRIPTEN__)
// Files beside the page, which the browser loads.
inline constexpr const char* kLeafPicture = "leaf.bmp";
inline constexpr const char* kIconPicture = "icon32.png";
#else
inline constexpr const char* kLeafPicture = ":/pictures/leaf.bmp";
inline constexpr const char* kIconPicture = ":/pictures/icon32.png";
#endif
