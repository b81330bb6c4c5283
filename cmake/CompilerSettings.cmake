# Warnings and sanitizers apply to every target of the project.
add_compile_options(-Wall -Wextra)
# The system headers without their min/max macros and rarely used parts.
if(WIN32)
  add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
endif()
if(TP_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()

if(TP_SANITIZE)
  set(tp_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${tp_sanitizers})
  add_link_options(${tp_sanitizers})
endif()

# True when the compiler can build libFuzzer targets.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND NOT EMSCRIPTEN)
  set(TP_CAN_FUZZ ON)
else()
  set(TP_CAN_FUZZ OFF)
endif()

# C++ exceptions carry every error to the error guard, so the browser build
# needs them at compile and link time. Emscripten's native wasm exceptions
# cannot be combined with the stack switching that message boxes use.
if(EMSCRIPTEN)
  add_compile_options(-fexceptions)
  add_link_options(-fexceptions)
endif()
