// SPDX-License-Identifier: MIT
#include "ui/win32/Services.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ui/win32/Platform.h"

namespace ui::win32 {
namespace {

// Lists the enabled, visible top-level windows of this thread.
BOOL CALLBACK AddShownWindow(HWND window, LPARAM list) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  if (length > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

SystemColorTable SystemColorsFromSystem() {
  SystemColorTable table{};
  for (std::size_t index = 0; index < table.size(); ++index) {
    table[index] = ::GetSysColor(static_cast<int>(index)) & 0xFFFFFFu;
  }
  return table;
}

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) ::DeleteObject(font);
}

HFONT FontCache::Get(const Font& font) {
  const Key key{font.Name, font.Height, font.Bold, font.Underline};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const HFONT made = ::CreateFontW(-std::max(font.Height, 1), 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   font.Underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   Widen(font.Name).c_str());
  fonts_.emplace(key, made);
  return made;
}

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
  // Modal for the whole application: every other window of the thread is
  // disabled until the box closes.
  std::vector<HWND> shown;
  ::EnumThreadWindows(::GetCurrentThreadId(), &AddShownWindow, reinterpret_cast<LPARAM>(&shown));
  for (HWND window : shown) ::EnableWindow(window, FALSE);
  ::MessageBoxW(platform_.ApplicationWindow(), wideText.c_str(), wideCaption.c_str(), flags | MB_TASKMODAL);
  for (HWND window : shown) ::EnableWindow(window, TRUE);
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
