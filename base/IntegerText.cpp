// SPDX-License-Identifier: MIT
#include "base/IntegerText.h"

namespace {

constexpr std::int64_t kMaxMagnitudeNegative = 2147483648LL;
constexpr std::int64_t kMaxMagnitudePositive = 2147483647LL;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> HexFromText(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> DecimalFromText(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? kMaxMagnitudeNegative : kMaxMagnitudePositive;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> IntegerFromText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);

  for (std::string_view mark : {"0x", "0X", "$", "x", "X"}) {
    if (text.starts_with(mark)) return HexFromText(text.substr(mark.size()));
  }

  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  return DecimalFromText(text, negative);
}

std::string IntegerToText(std::int64_t value) { return std::to_string(value); }
