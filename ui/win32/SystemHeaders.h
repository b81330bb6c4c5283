// SPDX-License-Identifier: MIT
#pragma once

// The system's headers as the binding uses them. They define MB_OK,
// MB_ICONSTOP, MB_ICONQUESTION and IDOK as macros, which would rewrite the
// model's constants of the same names and values; the macros go, their
// values stay as the model's.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

namespace ui::win32::system {
inline constexpr UINT kOk = MB_OK;
inline constexpr UINT kIconStop = MB_ICONSTOP;
inline constexpr UINT kIconQuestion = MB_ICONQUESTION;
inline constexpr int kIdOk = IDOK;
}  // namespace ui::win32::system

#undef MB_OK
#undef MB_ICONSTOP
#undef MB_ICONQUESTION
#undef IDOK

#include "ui/Services.h"

static_assert(ui::MB_OK == ui::win32::system::kOk && ui::MB_ICONSTOP == ui::win32::system::kIconStop &&
                  ui::MB_ICONQUESTION == ui::win32::system::kIconQuestion && ui::IDOK == ui::win32::system::kIdOk,
              "the model's box flags are the system's");
