// SPDX-License-Identifier: MIT
#include "app/WebLink.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/Services.h"

namespace {

// The shell reports success with any result above 32.
constexpr std::int32_t kHighestFailure = 32;

struct ShellFailure {
  std::int32_t Result;
  std::string_view Message;
};

// The shell's own reasons, worded as players have always seen them; the
// last text's spelling is part of that.
constexpr std::array<ShellFailure, 13> kShellFailures{{
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};
constexpr std::string_view kUnknownFailure = "An unknown eror has occured";

std::string_view MessageForFailure(std::int32_t result) {
  for (const ShellFailure& failure : kShellFailures) {
    if (failure.Result == result) return failure.Message;
  }
  return kUnknownFailure;
}

}  // namespace

void TWebLink::Execute() {
  // Called through a copy, so a handler that reassigns the event does not
  // destroy itself while it runs.
  if (TNotifyEvent handler = OnExecute) handler(*this);
  const std::int32_t result = ui::ShellOpen(URL());
  if (result > kHighestFailure) return;
  throw EWebLink(std::string(MessageForFailure(result)));
}
