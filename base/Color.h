// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A colour value: red in bits 0-7, green in 8-15, blue in 16-23. Values from
// 0x80000000 up name a system colour by index in their low byte and are
// resolved by the platform when drawn.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor kSystemColorFlag = 0x80000000;
inline constexpr TColor clScrollBar = kSystemColorFlag | 0x00;
inline constexpr TColor clBackground = kSystemColorFlag | 0x01;
inline constexpr TColor clActiveCaption = kSystemColorFlag | 0x02;
inline constexpr TColor clInactiveCaption = kSystemColorFlag | 0x03;
inline constexpr TColor clMenu = kSystemColorFlag | 0x04;
inline constexpr TColor clWindow = kSystemColorFlag | 0x05;
inline constexpr TColor clWindowFrame = kSystemColorFlag | 0x06;
inline constexpr TColor clMenuText = kSystemColorFlag | 0x07;
inline constexpr TColor clWindowText = kSystemColorFlag | 0x08;
inline constexpr TColor clCaptionText = kSystemColorFlag | 0x09;
inline constexpr TColor clActiveBorder = kSystemColorFlag | 0x0A;
inline constexpr TColor clInactiveBorder = kSystemColorFlag | 0x0B;
inline constexpr TColor clAppWorkSpace = kSystemColorFlag | 0x0C;
inline constexpr TColor clHighlight = kSystemColorFlag | 0x0D;
inline constexpr TColor clHighlightText = kSystemColorFlag | 0x0E;
inline constexpr TColor clBtnFace = kSystemColorFlag | 0x0F;
inline constexpr TColor clBtnShadow = kSystemColorFlag | 0x10;
inline constexpr TColor clGrayText = kSystemColorFlag | 0x11;
inline constexpr TColor clBtnText = kSystemColorFlag | 0x12;
inline constexpr TColor clInactiveCaptionText = kSystemColorFlag | 0x13;
inline constexpr TColor clBtnHighlight = kSystemColorFlag | 0x14;
inline constexpr TColor cl3DDkShadow = kSystemColorFlag | 0x15;
inline constexpr TColor cl3DLight = kSystemColorFlag | 0x16;
inline constexpr TColor clInfoText = kSystemColorFlag | 0x17;
inline constexpr TColor clInfoBk = kSystemColorFlag | 0x18;

[[nodiscard]] constexpr bool IsSystemColor(TColor color) { return (color & kSystemColorFlag) != 0; }

[[nodiscard]] constexpr std::uint8_t RedOf(TColor color) { return color & 0xFF; }
[[nodiscard]] constexpr std::uint8_t GreenOf(TColor color) { return (color >> 8) & 0xFF; }
[[nodiscard]] constexpr std::uint8_t BlueOf(TColor color) { return (color >> 16) & 0xFF; }
[[nodiscard]] constexpr TColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor{red} | TColor{green} << 8 | TColor{blue} << 16;
}

// The value of a colour identifier such as "clRed", matched against the
// whole text with the case of a-z ignored.
[[nodiscard]] std::optional<TColor> ColorFromIdent(std::string_view ident);

// A colour identifier, or failing that integer text ("$0000FF", "255").
[[nodiscard]] std::optional<TColor> ColorFromText(std::string_view text);
