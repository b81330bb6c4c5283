// SPDX-License-Identifier: MIT
// Stands for a document's program in the shell test: started by the shell
// as `shell_probe VERB DOCUMENT`, it writes the verb it was registered for
// and the way the shell asked its window to show into DOCUMENT.seen.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

int main() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!arguments || count != 3) return 1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  // Written under another name first, so that the file appears whole.
  const std::wstring seen = std::wstring(arguments[2]) + L".seen";
  const std::wstring part = seen + L".part";
  FILE* file = _wfopen(part.c_str(), L"w");
  if (!file) return 1;
  std::fprintf(file, "%ls %d", arguments[1], show);
  std::fclose(file);
  return ::MoveFileExW(part.c_str(), seen.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
