// SPDX-License-Identifier: MIT
#include "ui/Control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/ui/RecordingPeer.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"

namespace ui {
namespace {

using ::testing::ElementsAre;

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    frame.SetParent(&form);
    inner.SetParent(&frame);
    outer.SetParent(&form);
    label.SetParent(&form);
  }

  Form form;
  GroupBox& frame = form.Create<GroupBox>();
  Button& inner = form.Create<Button>();
  Button& outer = form.Create<Button>();
  Label& label = form.Create<Label>();
};

TEST_F(ControlTest, HidingTheFocusedControlLeavesNoControlFocused) {
  inner.SetFocus();
  inner.Hide();
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_FALSE(inner.Focused());
}

TEST_F(ControlTest, HidingAFrameTakesTheFocusFromTheControlInsideIt) {
  inner.SetFocus();
  frame.Hide();
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ControlTest, HidingAnotherControlKeepsTheFocus) {
  inner.SetFocus();
  outer.Hide();
  EXPECT_EQ(form.ActiveControl(), &inner);
}

TEST_F(ControlTest, DisablingTheFocusedControlLeavesNoControlFocused) {
  outer.SetFocus();
  outer.SetEnabled(false);
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ControlTest, TheFocusIsGoneBeforeThePeerHearsOfTheHiding) {
  // The platform would otherwise pass the focus on to a neighbour of its
  // own choosing while the control disappears.
  std::vector<std::string> log;
  inner.SetPeer(std::make_unique<testing::RecordingPeer>("inner", log));
  inner.SetFocus();
  log.clear();
  inner.Hide();
  EXPECT_THAT(log, ElementsAre("inner:Focus", "inner:Visible"));
}

TEST_F(ControlTest, HiddenOrDisabledControlsAndTheirChildrenCannotTakeTheFocus) {
  frame.SetEnabled(false);
  EXPECT_FALSE(inner.CanFocus());
  EXPECT_THROW(inner.SetFocus(), Exception);
  frame.SetEnabled(true);
  frame.Hide();
  EXPECT_FALSE(inner.CanFocus());
  EXPECT_TRUE(outer.CanFocus()) << "the form itself may still be hidden";
}

TEST_F(ControlTest, AControlInNoFormCannotTakeTheFocus) {
  Button loose;
  EXPECT_FALSE(loose.CanFocus());
}

TEST_F(ControlTest, DestroyingTheFocusedControlLeavesNoDanglingFocus) {
  auto button = std::make_unique<Button>();
  button->SetParent(&form);
  button->SetFocus();
  button.reset();
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_THAT(form.Controls(), ElementsAre(&frame, &outer, &label));
}

TEST_F(ControlTest, MovingTheFocusedControlToAnotherParentTakesItsFocus) {
  Form other;
  outer.SetFocus();
  outer.SetParent(&other);
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ControlTest, AControlCannotBePlacedInsideItself) {
  EXPECT_THROW(frame.SetParent(&frame), Exception);
  GroupBox& nested = form.Create<GroupBox>();
  nested.SetParent(&frame);
  EXPECT_THROW(frame.SetParent(&nested), Exception);
  EXPECT_EQ(frame.Parent(), &form);
}

TEST_F(ControlTest, ShowingFollowsTheParents) {
  EXPECT_FALSE(inner.Showing()) << "forms start hidden";
  form.Show();
  EXPECT_TRUE(inner.Showing());
  frame.Hide();
  EXPECT_FALSE(inner.Showing());
  EXPECT_TRUE(inner.Visible());
}

TEST_F(ControlTest, EveryControlStartsWithTheWindowFont) {
  EXPECT_EQ(label.Font().Name, "MS Sans Serif");
  EXPECT_EQ(label.Font().Height, 11);
  EXPECT_EQ(inner.Font().Color, clWindowText);
}

TEST_F(ControlTest, ANegativeSizeIsStoredAsZero) {
  outer.SetBounds(5, 6, -3, 40);
  EXPECT_EQ(outer.Left(), 5);
  EXPECT_EQ(outer.Top(), 6);
  EXPECT_EQ(outer.Width(), 0);
  EXPECT_EQ(outer.Height(), 40);
}

TEST_F(ControlTest, SettingAPropertyToItsValueTellsThePeerNothing) {
  std::vector<std::string> log;
  outer.SetPeer(std::make_unique<testing::RecordingPeer>("outer", log));
  outer.SetCaption("?");
  outer.SetCaption("?");
  outer.SetTop(232);
  outer.SetTop(232);
  outer.SetVisible(true);
  outer.SetAccessibleName("Answer");
  outer.SetAccessibleName("Answer");
  EXPECT_THAT(log, ElementsAre("outer:Caption", "outer:Bounds", "outer:Caption"));
}

// A caption's access marks are not part of the name a screen reader says.
TEST_F(ControlTest, TheAccessibleNameIsTheCaptionAsShownUntilANameIsGiven) {
  outer.SetCaption("Fish && &Chips");
  EXPECT_EQ(outer.AccessibleName(), "Fish & Chips");
  outer.SetAccessibleName("Answer");
  EXPECT_EQ(outer.AccessibleName(), "Answer");
}

TEST_F(ControlTest, AClickRunsOnClickWithTheControlAsSender) {
  TObject* sender = nullptr;
  label.OnClick = [&](TObject& s) { sender = &s; };
  label.Click();
  EXPECT_EQ(sender, &label);
}

}  // namespace
}  // namespace ui
