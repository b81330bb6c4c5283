// SPDX-License-Identifier: MIT
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/ui/testing/ManualTimers.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"

namespace ui {
namespace {

class TimerTest : public ::testing::Test {
 protected:
  TimerTest() {
    timer.SetEnabled(false);
    timer.SetInterval(450);
    timers.Bind(timer);
    timer.OnTimer = [this](TObject&) { ticks.push_back(timers.Now()); };
  }

  Timer timer;
  testing::ManualTimers timers;
  std::vector<std::uint64_t> ticks;
};

TEST(TimerDefaultsTest, StartsEnabledWithASecond) {
  Timer timer;
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
}

TEST_F(TimerTest, TicksOncePerIntervalWhileEnabled) {
  timer.SetEnabled(true);
  timers.Advance(1000);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{450, 900}));
}

TEST_F(TimerTest, ADisabledTimerDoesNotTick) {
  timers.Advance(1000);
  timer.Tick();
  EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, EnablingADisabledTimerStartsAFreshPeriod) {
  timer.SetEnabled(true);
  timers.Advance(300);
  timer.SetEnabled(false);
  timers.Advance(100);
  timer.SetEnabled(true);
  timers.Advance(449);
  EXPECT_TRUE(ticks.empty());
  timers.Advance(1);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{850}));
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsPeriod) {
  timer.SetEnabled(true);
  timers.Advance(300);
  timer.SetEnabled(true);
  timers.Advance(150);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{450}));
  EXPECT_EQ(timers.Starts(timer), 1);
}

TEST_F(TimerTest, SettingTheIntervalItHasKeepsThePeriod) {
  timer.SetEnabled(true);
  timers.Advance(300);
  timer.SetInterval(450);
  timers.Advance(150);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{450}));
}

TEST_F(TimerTest, ANewIntervalRestartsThePeriodOfAnEnabledTimer) {
  timer.SetEnabled(true);
  timers.Advance(300);
  timer.SetInterval(500);
  timers.Advance(499);
  EXPECT_TRUE(ticks.empty());
  timers.Advance(1);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{800}));
}

TEST_F(TimerTest, ANewIntervalLeavesADisabledTimerStopped) {
  timer.SetInterval(100);
  timers.Advance(1000);
  EXPECT_TRUE(ticks.empty());
  EXPECT_FALSE(timers.Running(timer));
}

TEST_F(TimerTest, AnIntervalOfZeroNeverTicks) {
  timer.SetInterval(0);
  timer.SetEnabled(true);
  timers.Advance(10000);
  EXPECT_TRUE(ticks.empty());
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(TimerTest, ATimerThePlatformRefusesFailsAndStaysDisabled) {
  timers.SetRefuseTimers(true);
  try {
    timer.SetEnabled(true);
    FAIL() << "enabling should have failed";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Not enough timers available");
  }
  // Handlers test the flag to know whether the timer runs.
  EXPECT_FALSE(timer.Enabled());
  timers.SetRefuseTimers(false);
  timer.SetEnabled(true);
  EXPECT_TRUE(timers.Running(timer));
}

TEST_F(TimerTest, ARefusedRestartAfterANewIntervalFailsAlike) {
  timer.SetEnabled(true);
  timers.SetRefuseTimers(true);
  EXPECT_THROW(timer.SetInterval(500), Exception);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 500u);
}

TEST_F(TimerTest, DisablingItselfInsideATickStopsFurtherTicks) {
  timer.OnTimer = [this](TObject&) {
    ticks.push_back(timers.Now());
    timer.SetEnabled(false);
  };
  timer.SetEnabled(true);
  timers.Advance(5000);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{450}));
}

TEST_F(TimerTest, AFailingTickIsReportedAndTheTimerKeepsTicking) {
  testing::RecordingMessageBoxService boxes;
  Application app;
  timers.SetApplication(&app);
  timer.OnTimer = [](TObject&) { throw Exception("tick failed"); };
  timer.SetEnabled(true);
  timers.Advance(900);
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(TimerTest, TimersDueTogetherTickInTheOrderTheyWereBound) {
  Timer second;
  second.SetEnabled(false);
  second.SetInterval(900);
  timers.Bind(second);
  std::vector<std::string> order;
  timer.OnTimer = [&](TObject&) { order.push_back("first"); };
  second.OnTimer = [&](TObject&) { order.push_back("second"); };
  timer.SetEnabled(true);
  second.SetEnabled(true);
  timers.Advance(900);
  EXPECT_EQ(order, (std::vector<std::string>{"first", "first", "second"}));
}

}  // namespace
}  // namespace ui
