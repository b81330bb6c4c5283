// SPDX-License-Identifier: MIT
#include "ui/Form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/ui/RecordingPeer.h"
#include "ui/StandardControls.h"

namespace ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ShiftState kNoShift{};
constexpr ShiftState kShift{.Shift = true};
constexpr ShiftState kAlt{.Alt = true};
constexpr ShiftState kCtrl{.Ctrl = true};

// A window laid out like the game's: a frame and three answers, a gauge,
// the answer button and a panel, with a Game menu holding New Game (F2).
class FormKeysTest : public ::testing::Test {
 protected:
  FormKeysTest() {
    for (WinControl* control : std::initializer_list<WinControl*>{&group, &answer1, &answer2, &answer3, &gauge,
                                                                  &question, &button, &panel}) {
      control->SetParent(&form);
    }
    group.SetTabOrder(0);
    answer1.SetTabOrder(1);
    answer2.SetTabOrder(2);
    answer3.SetTabOrder(3);
    gauge.SetTabOrder(4);
    gauge.SetTabStop(true);
    question.SetTabOrder(5);
    button.SetTabOrder(6);
    panel.SetTabOrder(7);

    MenuItem& game = menu.Add("Game");
    newGame = &game.Add("&New Game");
    newGame->SetShortCut(kKeyF2);
    newGame->OnClick = [this](TObject&) { log.push_back("NewGame1Click"); };
    game.AddSeparator();
    game.Add("E&xit");
    form.SetMenu(&menu);

    form.OnKeyDown = [this](TObject&, int& key, ShiftState) {
      log.push_back("KeyDown " + std::to_string(key));
      key = 0;
    };
    form.OnKeyPress = [this](TObject&, char& key) { log.push_back(std::string("KeyPress ") + key); };
  }

  Form form;
  GroupBox& group = form.Create<GroupBox>();
  RadioButton& answer1 = form.Create<RadioButton>();
  RadioButton& answer2 = form.Create<RadioButton>();
  RadioButton& answer3 = form.Create<RadioButton>();
  ProgressBar& gauge = form.Create<ProgressBar>();
  GroupBox& question = form.Create<GroupBox>();
  Button& button = form.Create<Button>();
  Panel& panel = form.Create<Panel>();
  MainMenu& menu = form.Create<MainMenu>();
  MenuItem* newGame = nullptr;
  std::vector<std::string> log;
};

TEST_F(FormKeysTest, TheMenuShortcutComesFirstEvenWhileAButtonHasTheFocus) {
  button.SetFocus();
  EXPECT_EQ(form.KeyDown(kKeyF2, kNoShift), KeyRoute::MenuShortCut);
  EXPECT_THAT(log, ElementsAre("NewGame1Click"));
}

TEST_F(FormKeysTest, AShortcutMatchesItsModifiersExactly) {
  form.KeyDown(kKeyF2, kShift);
  EXPECT_THAT(log, ElementsAre("KeyDown 113"));
}

TEST_F(FormKeysTest, TabMovesTheFocusThroughTheTabStopsInTabOrder) {
  answer2.SetChecked(true);
  EXPECT_EQ(form.KeyDown(kKeyTab, kNoShift), KeyRoute::FocusNavigation);
  EXPECT_EQ(form.ActiveControl(), &answer2) << "only the selected answer is a tab stop";
  form.KeyDown(kKeyTab, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &gauge);
  form.KeyDown(kKeyTab, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &button);
  form.KeyDown(kKeyTab, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &answer2) << "Tab wraps around";
  EXPECT_THAT(log, IsEmpty()) << "navigation keys reach no handler";
}

TEST_F(FormKeysTest, ShiftTabMovesTheFocusBackwards) {
  button.SetFocus();
  form.KeyDown(kKeyTab, kShift);
  EXPECT_EQ(form.ActiveControl(), &gauge);
}

TEST_F(FormKeysTest, TabSkipsHiddenAndDisabledControls) {
  gauge.SetFocus();
  button.Hide();
  form.KeyDown(kKeyTab, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &gauge) << "the gauge is the only tab stop left";
}

TEST_F(FormKeysTest, TabIsNavigationEvenWithoutAFocusedControl) {
  EXPECT_EQ(form.KeyDown(kKeyTab, kNoShift), KeyRoute::FocusNavigation);
  EXPECT_EQ(form.ActiveControl(), &gauge);
}

TEST_F(FormKeysTest, AltOrCtrlTabGoesToTheHandlersInstead) {
  button.SetFocus();
  EXPECT_EQ(form.KeyDown(kKeyTab, kAlt), KeyRoute::Handlers);
  EXPECT_EQ(form.KeyDown(kKeyTab, kCtrl), KeyRoute::Handlers);
  EXPECT_EQ(form.ActiveControl(), &button);
  EXPECT_THAT(log, ElementsAre("KeyDown 9", "KeyDown 9"));
}

TEST_F(FormKeysTest, ArrowsMoveTheFocusAmongSiblingsWhileAControlHasIt) {
  answer1.SetFocus();
  EXPECT_EQ(form.KeyDown(kKeyDown, kNoShift), KeyRoute::FocusNavigation);
  EXPECT_EQ(form.ActiveControl(), &answer2) << "arrows ignore tab stops";
  form.KeyDown(kKeyRight, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &answer3);
  form.KeyDown(kKeyUp, kNoShift);
  form.KeyDown(kKeyLeft, kNoShift);
  EXPECT_EQ(form.ActiveControl(), &answer1);
  EXPECT_THAT(log, IsEmpty());
}

TEST_F(FormKeysTest, ArrowsReachTheKeyHandlerOnceTheFocusedControlIsHidden) {
  button.SetFocus();
  for (WinControl* control : std::initializer_list<WinControl*>{&group, &answer1, &answer2, &answer3, &question,
                                                                &button}) {
    control->Hide();
  }
  for (int key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
    EXPECT_EQ(form.KeyDown(key, kNoShift), KeyRoute::Handlers);
  }
  EXPECT_THAT(log, ElementsAre("KeyDown 37", "KeyDown 38", "KeyDown 39", "KeyDown 40"));
}

TEST_F(FormKeysTest, ArrowsWithAltGoToTheHandlers) {
  button.SetFocus();
  EXPECT_EQ(form.KeyDown(kKeyLeft, kAlt), KeyRoute::Handlers);
  EXPECT_EQ(form.ActiveControl(), &button);
}

TEST_F(FormKeysTest, AConsumedKeyStillTypesItsCharacter) {
  form.KeyStroke(kKeySpace, kNoShift, ' ');
  form.KeyStroke('0', kNoShift, '0');
  EXPECT_THAT(log, ElementsAre("KeyDown 32", "KeyPress  ", "KeyDown 48", "KeyPress 0"));
}

TEST_F(FormKeysTest, KeysTakenByTheMenuOrByNavigationTypeNoCharacter) {
  form.KeyStroke(kKeyF2, kNoShift, '\x01');
  form.KeyStroke(kKeyTab, kNoShift, '\t');
  EXPECT_THAT(log, ElementsAre("NewGame1Click"));
}

struct TypedCase {
  const char* Name;
  ShiftState Shift;
  char32_t Character;
  std::vector<std::string> Log;
};

class FormTypedCharacterTest : public FormKeysTest, public ::testing::WithParamInterface<TypedCase> {};

// The game reads only ASCII characters (space and "0"); a key pressed with
// Alt alone is a command for the window, while Ctrl+Alt is how some
// keyboards type their third characters.
TEST_P(FormTypedCharacterTest, OnlyAsciiTypedWithoutAltAloneReachesTheCharacterHandler) {
  form.KeyStroke('Q', GetParam().Shift, GetParam().Character);
  EXPECT_EQ(log, GetParam().Log);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, FormTypedCharacterTest,
    ::testing::Values(TypedCase{"Digit", kNoShift, U'0', {"KeyDown 81", "KeyPress 0"}},
                      TypedCase{"LastAscii", kShift, U'\x7F', {"KeyDown 81", "KeyPress \x7F"}},
                      TypedCase{"FirstBeyondAscii", kNoShift, U'\x80', {"KeyDown 81"}},
                      TypedCase{"Accented", kShift, U'\u00E9', {"KeyDown 81"}},
                      TypedCase{"Euro", kNoShift, U'\u20AC', {"KeyDown 81"}},
                      TypedCase{"BeyondTheBasicPlane", kNoShift, U'\U0001F600', {"KeyDown 81"}},
                      TypedCase{"WithAltAlone", kAlt, U'0', {"KeyDown 81"}},
                      TypedCase{"WithCtrlAndAlt", {.Alt = true, .Ctrl = true}, U'@', {"KeyDown 81", "KeyPress @"}},
                      TypedCase{"WithCtrl", kCtrl, U'\x11', {"KeyDown 81", "KeyPress \x11"}}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.Name); });

TEST_F(FormKeysTest, FocusChangesReachBothPeers) {
  std::vector<std::string> peerLog;
  answer1.SetPeer(std::make_unique<testing::RecordingPeer>("answer1", peerLog));
  button.SetPeer(std::make_unique<testing::RecordingPeer>("button", peerLog));
  answer1.SetFocus();
  button.SetFocus();
  EXPECT_THAT(peerLog, ElementsAre("answer1:Focus", "answer1:Focus", "button:Focus"));
  EXPECT_TRUE(button.Focused());
  EXPECT_FALSE(answer1.Focused());
}

TEST_F(FormKeysTest, TheFocusOnTheFormItselfMeansNoFocusedControl) {
  button.SetFocus();
  form.SetFocus();
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(FormKeysTest, ControlsInsideAFrameFollowTheFrameInTabOrder) {
  Button& inside = form.Create<Button>();
  inside.SetParent(&question);
  button.SetFocus();
  form.KeyDown(kKeyTab, kShift);
  EXPECT_EQ(form.ActiveControl(), &inside);
}

TEST(FormTest, StartsHiddenAndCloseHidesItAndTellsThePlatform) {
  Form form;
  EXPECT_FALSE(form.Visible());
  std::vector<std::string> log;
  form.SetPeer(std::make_unique<testing::RecordingPeer>("form", log));
  form.Show();
  form.Close();
  EXPECT_TRUE(form.Closed());
  EXPECT_FALSE(form.Visible());
  EXPECT_THAT(log, ElementsAre("form:Visible", "form:Visible", "form:Closed"));
}

TEST(FormTest, DestroyingAFormDestroysItsControlsWithoutTouchingItsDerivedParts) {
  // A derived form's handlers are gone by the time the controls go; none
  // may run during destruction.
  struct Derived final : Form {
    Derived() {
      Button& button = Create<Button>();
      button.SetParent(this);
      button.SetFocus();
      button.OnClick = [this](TObject&) { alive = true; };
    }
    bool alive = false;
  };
  EXPECT_NO_THROW(std::make_unique<Derived>().reset());
}

}  // namespace
}  // namespace ui
