// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ShortCutTextTest, NamesTheKeyAfterItsModifiers) {
  EXPECT_EQ(ShortCutToText({kKeyF2, {}}), "F2");
  EXPECT_EQ(ShortCutToText({'N', {.Ctrl = true}}), "Ctrl+N");
  EXPECT_EQ(ShortCutToText({kKeyDelete, {.Shift = true, .Alt = true}}), "Shift+Alt+Del");
  EXPECT_EQ(ShortCutToText({}), "");
}

class MenuTest : public ::testing::Test {
 protected:
  MenuTest() {
    newGame.SetShortCut({kKeyF2, {}});
    newGame.OnClick = [this](TObject&) { ++newGames; };
  }

  MainMenu menu;
  MenuItem& game = menu.Items().Add("Game");
  MenuItem& newGame = game.Add("&New Game");
  MenuItem& separator = game.AddSeparator();
  MenuItem& help = menu.Items().Add("&Help");
  int newGames = 0;
};

TEST_F(MenuTest, BuildsTheTreeInOrder) {
  ASSERT_EQ(menu.Items().Items().size(), 2u);
  EXPECT_EQ(menu.Items().Items()[1], &help);
  EXPECT_EQ(newGame.Parent(), &game);
  EXPECT_TRUE(separator.IsSeparator());
  EXPECT_FALSE(newGame.IsSeparator());
}

TEST_F(MenuTest, AShortcutRunsItsCommandAnywhereInTheTree) {
  EXPECT_TRUE(menu.IsShortCut({kKeyF2, {}}));
  EXPECT_EQ(newGames, 1);
  EXPECT_FALSE(menu.IsShortCut({kKeyF1, {}}));
  EXPECT_FALSE(menu.IsShortCut({}));
}

TEST_F(MenuTest, ACommandInADisabledOrHiddenMenuIsNotReachedByItsShortcut) {
  game.SetEnabled(false);
  EXPECT_FALSE(menu.IsShortCut({kKeyF2, {}}));
  game.SetEnabled(true);
  newGame.SetVisible(false);
  EXPECT_FALSE(menu.IsShortCut({kKeyF2, {}}));
  EXPECT_EQ(newGames, 0);
}

}  // namespace
}  // namespace ui
