// SPDX-License-Identifier: MIT
#include "ui/StandardControls.h"

#include <gtest/gtest.h>

#include "ui/Form.h"

namespace ui {
namespace {

class RadioButtonTest : public ::testing::Test {
 protected:
  RadioButtonTest() {
    for (RadioButton* radio : {&first, &second, &third}) radio->SetParent(&form);
    elsewhere.SetParent(&frame);
    frame.SetParent(&form);
  }

  Form form;
  RadioButton& first = form.Create<RadioButton>();
  RadioButton& second = form.Create<RadioButton>();
  RadioButton& third = form.Create<RadioButton>();
  GroupBox& frame = form.Create<GroupBox>();
  RadioButton& elsewhere = form.Create<RadioButton>();
};

TEST_F(RadioButtonTest, NoneIsSelectedAtCreation) {
  EXPECT_FALSE(first.Checked());
  EXPECT_FALSE(second.Checked());
  EXPECT_FALSE(third.Checked());
}

TEST_F(RadioButtonTest, SelectingOneClearsTheOthersWithTheSameParent) {
  first.SetChecked(true);
  elsewhere.SetChecked(true);
  second.SetChecked(true);
  EXPECT_FALSE(first.Checked());
  EXPECT_TRUE(second.Checked());
  EXPECT_FALSE(third.Checked());
  EXPECT_TRUE(elsewhere.Checked()) << "a button in another parent is not a sibling";
}

TEST_F(RadioButtonTest, ClearingOneSelectsNoOther) {
  second.SetChecked(true);
  second.SetChecked(false);
  EXPECT_FALSE(first.Checked());
  EXPECT_FALSE(second.Checked());
  EXPECT_FALSE(third.Checked());
}

TEST_F(RadioButtonTest, AClickSelectsTheButtonBeforeOnClickRuns) {
  third.SetChecked(true);
  bool checkedInHandler = false;
  first.OnClick = [&](TObject&) { checkedInHandler = first.Checked() && !third.Checked(); };
  first.Click();
  EXPECT_TRUE(checkedInHandler);
}

TEST_F(RadioButtonTest, ClickingTheSelectedButtonKeepsItSelected) {
  first.Click();
  first.Click();
  EXPECT_TRUE(first.Checked());
}

TEST_F(RadioButtonTest, SelectingFromAProgramDoesNotRunOnClick) {
  int clicks = 0;
  first.OnClick = [&](TObject&) { ++clicks; };
  first.SetChecked(true);
  EXPECT_EQ(clicks, 0);
}

TEST_F(RadioButtonTest, TabStopsOnlyAtTheSelectedButton) {
  EXPECT_FALSE(first.TabStop());
  first.SetChecked(true);
  EXPECT_TRUE(first.TabStop());
  second.SetChecked(true);
  EXPECT_FALSE(first.TabStop());
  EXPECT_TRUE(second.TabStop());
}

}  // namespace
}  // namespace ui
