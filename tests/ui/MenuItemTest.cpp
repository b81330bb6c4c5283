// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(MainMenuTest, AShortcutRunsItsCommandAnywhereInTheTreeOnlyWithoutModifiers) {
  MainMenu menu;
  MenuItem& newGame = menu.Add("Game").Add("&New Game");
  newGame.SetShortCut(kKeyF2);
  menu.Add("&Help").Add("How to &play ?").SetShortCut(kKeyF12);
  int newGames = 0;
  newGame.OnClick = [&](TObject&) { ++newGames; };

  EXPECT_TRUE(menu.RunShortCut(kKeyF2, {}));
  EXPECT_EQ(newGames, 1);
  EXPECT_FALSE(menu.RunShortCut(kKeyF2, {.Ctrl = true}));
  EXPECT_FALSE(menu.RunShortCut(kKeyF1, {}));
  EXPECT_FALSE(menu.RunShortCut(0, {}));
  EXPECT_EQ(newGames, 1);
  EXPECT_EQ(newGame.ShortCutText(), "F2");
  EXPECT_EQ(menu.Items()[1]->Items()[0]->ShortCutText(), "F12");
  EXPECT_EQ(menu.Items()[0]->ShortCutText(), "");
}

}  // namespace
}  // namespace ui
