// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ShortCutTextTest, NamesAFunctionKeyAfterItsModifiers) {
  EXPECT_EQ(ShortCutToText({kKeyF2, {}}), "F2");
  EXPECT_EQ(ShortCutToText({kKeyF12, {.Shift = true, .Ctrl = true}}), "Shift+Ctrl+F12");
  EXPECT_EQ(ShortCutToText({}), "");
}

TEST(MainMenuTest, AShortcutRunsItsCommandAnywhereInTheTreeAndNothingElse) {
  MainMenu menu;
  MenuItem& newGame = menu.Items().Add("Game").Add("&New Game");
  newGame.SetShortCut({kKeyF2, {}});
  menu.Items().Add("&Help").Add("How to &play ?").SetShortCut({kKeyF1, {.Alt = true}});
  int newGames = 0;
  newGame.OnClick = [&](TObject&) { ++newGames; };

  EXPECT_TRUE(menu.RunShortCut({kKeyF2, {}}));
  EXPECT_EQ(newGames, 1);
  EXPECT_FALSE(menu.RunShortCut({kKeyF1, {}})) << "modifiers must match";
  EXPECT_FALSE(menu.RunShortCut({}));
  EXPECT_EQ(newGames, 1);
}

}  // namespace
}  // namespace ui
