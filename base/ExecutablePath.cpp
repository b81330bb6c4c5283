// SPDX-License-Identifier: MIT
#include "base/ExecutablePath.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#ifdef _WIN32

namespace {

// The full path of a loaded module (nullptr: the executable); empty when
// the system cannot tell. The path may be longer than MAX_PATH, so the
// buffer grows until it fits.
std::filesystem::path ModulePath(HMODULE module) {
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::filesystem::path ExecutableDirectory() {
  const std::filesystem::path executable = ModulePath(nullptr);
  if (executable.empty()) return {};
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(executable, error);
  return (error ? executable : resolved).parent_path();
}

std::string ModuleNameOf(const void* address) {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
  const std::u8string name = ModulePath(module).filename().u8string();
  return {reinterpret_cast<const char*>(name.data()), name.size()};
}

#else

std::filesystem::path ExecutableDirectory() {
#ifdef __EMSCRIPTEN__
  // In the browser the program's folder is the page's: the platform keeps
  // the files beside the page under the root.
  return "/";
#else
  std::error_code error;
  const std::filesystem::path executable =
      std::filesystem::canonical("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
#endif
}

std::string ModuleNameOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) != 0 && info.dli_fname && *info.dli_fname) {
    return std::filesystem::path(info.dli_fname).filename().string();
  }
#ifdef __EMSCRIPTEN__
  // A page's program has no file of its own to name, and asking would link
  // in a whole file system for nothing.
  return {};
#else
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).filename().string();
#endif
}

#endif
