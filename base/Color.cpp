// SPDX-License-Identifier: MIT
#include "base/Color.h"

#include <array>

#include "base/IntegerText.h"
#include "base/Text.h"

namespace {

struct NamedColor {
  std::string_view Ident;
  TColor Value;
};

constexpr std::array kNamedColors{
    NamedColor{"clBlack", clBlack},
    NamedColor{"clMaroon", clMaroon},
    NamedColor{"clGreen", clGreen},
    NamedColor{"clOlive", clOlive},
    NamedColor{"clNavy", clNavy},
    NamedColor{"clPurple", clPurple},
    NamedColor{"clTeal", clTeal},
    NamedColor{"clGray", clGray},
    NamedColor{"clSilver", clSilver},
    NamedColor{"clRed", clRed},
    NamedColor{"clLime", clLime},
    NamedColor{"clYellow", clYellow},
    NamedColor{"clBlue", clBlue},
    NamedColor{"clFuchsia", clFuchsia},
    NamedColor{"clAqua", clAqua},
    NamedColor{"clWhite", clWhite},
    NamedColor{"clScrollBar", clScrollBar},
    NamedColor{"clBackground", clBackground},
    NamedColor{"clActiveCaption", clActiveCaption},
    NamedColor{"clInactiveCaption", clInactiveCaption},
    NamedColor{"clMenu", clMenu},
    NamedColor{"clWindow", clWindow},
    NamedColor{"clWindowFrame", clWindowFrame},
    NamedColor{"clMenuText", clMenuText},
    NamedColor{"clWindowText", clWindowText},
    NamedColor{"clCaptionText", clCaptionText},
    NamedColor{"clActiveBorder", clActiveBorder},
    NamedColor{"clInactiveBorder", clInactiveBorder},
    NamedColor{"clAppWorkSpace", clAppWorkSpace},
    NamedColor{"clHighlight", clHighlight},
    NamedColor{"clHighlightText", clHighlightText},
    NamedColor{"clBtnFace", clBtnFace},
    NamedColor{"clBtnShadow", clBtnShadow},
    NamedColor{"clGrayText", clGrayText},
    NamedColor{"clBtnText", clBtnText},
    NamedColor{"clInactiveCaptionText", clInactiveCaptionText},
    NamedColor{"clBtnHighlight", clBtnHighlight},
    NamedColor{"cl3DDkShadow", cl3DDkShadow},
    NamedColor{"cl3DLight", cl3DLight},
    NamedColor{"clInfoText", clInfoText},
    NamedColor{"clInfoBk", clInfoBk},
    NamedColor{"clNone", clNone},
};

}  // namespace

std::optional<TColor> ColorFromIdent(std::string_view ident) {
  for (const NamedColor& named : kNamedColors) {
    if (EqualsIgnoringAsciiCase(named.Ident, ident)) return named.Value;
  }
  return std::nullopt;
}

std::optional<TColor> ColorFromText(std::string_view text) {
  if (auto named = ColorFromIdent(text)) return named;
  if (auto number = IntegerFromText(text)) return static_cast<TColor>(*number);
  return std::nullopt;
}
