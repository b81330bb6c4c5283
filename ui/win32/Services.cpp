// SPDX-License-Identifier: MIT
#include "ui/win32/Services.h"

#include <algorithm>
#include <vector>

#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

// Disables the enabled, visible top-level windows of this thread for its
// lifetime, as a box modal for the whole application must.
class ThreadWindowsDisabled final {
 public:
  ThreadWindowsDisabled() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &ThreadWindowsDisabled::Disable, reinterpret_cast<LPARAM>(this));
  }
  ~ThreadWindowsDisabled() {
    for (HWND window : disabled_) ::EnableWindow(window, TRUE);
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      reinterpret_cast<ThreadWindowsDisabled*>(self)->disabled_.push_back(window);
    }
    return TRUE;
  }

  std::vector<HWND> disabled_;
};

}  // namespace

void (*SystemFunction(const wchar_t* library, const char* name))() {
  HMODULE module = ::LoadLibraryW(library);
  // Through a function type without parameters, which any other converts
  // to and from.
  return module ? reinterpret_cast<void (*)()>(::GetProcAddress(module, name)) : nullptr;
}

int MessageBoxes::Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) {
  const std::wstring wideText = Widen(text);
  const std::wstring wideCaption = Widen(caption);
  if (owner == MessageBoxOwner::None) {
    ::MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), flags);
    return IDOK;
  }
  const ThreadWindowsDisabled disabled;
  ::MessageBoxW(platform_.ApplicationWindow(), wideText.c_str(), wideCaption.c_str(), flags | MB_TASKMODAL);
  return IDOK;
}

int DesktopShell::Open(const std::string& address) {
  // The shell is loaded on the first open, not at start: loading it and
  // what it pulls in takes longer than the rest of the game's start-up.
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(
      SystemFunction(L"shell32.dll", "ShellExecuteW"));
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const HINSTANCE result =
      shellExecute(::GetDesktopWindow(), L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // The result is a number in a handle's clothes; only its low 32 bits mean
  // anything.
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

TextSize TextMetrics::Measure(const Font& font, std::string_view text) {
  HDC screen = ::GetDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(screen, platform_.FontOf(font));
  const std::wstring wide = Widen(text);
  SIZE size{};
  ::GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &size);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen, &metrics);
  ::SelectObject(screen, previous);
  ::ReleaseDC(nullptr, screen);
  return {static_cast<int>(size.cx), std::max(static_cast<int>(size.cy), static_cast<int>(metrics.tmHeight))};
}

}  // namespace ui::win32
