// SPDX-License-Identifier: MIT
#include "ui/Platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "tests/ui/RecordingPeer.h"
#include "ui/MenuItem.h"
#include "ui/StandardControls.h"

namespace ui {
namespace {

using ::testing::ElementsAre;
using testing::RecordingPlatform;

template <class T>
T& Make(Component& owner, const char* name, WinControl* parent = nullptr) {
  T& made = owner.Create<T>();
  made.SetName(name);
  if constexpr (std::is_base_of_v<Control, T>) made.SetParent(parent);
  return made;
}

// Ownership and placing differ: a button the frame owns lies in the form,
// a label the form owns lies in no window, and timers lie in none.
class PlatformBindTest : public ::testing::Test {
 protected:
  PlatformBindTest() {
    form.SetName("form");
    Make<Label>(frame, "label", &frame);
    Make<Timer>(form, "timer");
    Make<MainMenu>(form, "menu").Add("&Game");
    Make<Button>(frame, "button", &form);
    Make<Timer>(frame, "nestedTimer");
    Make<Label>(form, "loose");
  }

  RecordingPlatform platform;
  Form form;
  GroupBox& frame = Make<GroupBox>(form, "frame", &form);
};

TEST_F(PlatformBindTest, EveryControlAndTimerGetsOnePeerParentsFirst) {
  platform.Bind(form);
  EXPECT_THAT(platform.calls, ElementsAre("Peer form", "Peer frame", "Peer label", "Peer button",
                                          "Timer nestedTimer", "Timer timer", "Peer loose"));
}

TEST_F(PlatformBindTest, BindingAgainGivesPeersOnlyToWhatWasAdded) {
  platform.Bind(form);
  platform.calls.clear();
  Make<Label>(form, "late", &frame);
  Make<Timer>(frame, "lateTimer");
  platform.Bind(form);
  EXPECT_THAT(platform.calls, ElementsAre("Peer late", "Timer lateTimer"));
}

// A new peer learns where the control lies before what it shows, and
// whether it shows and has the focus last.
TEST_F(PlatformBindTest, ANewPeerHearsOfEveryPropertyOnceInTheSyncOrder) {
  platform.Bind(form);
  std::vector<std::string> heard;
  for (const std::string& change : platform.changes) {
    if (change.starts_with("label:")) heard.push_back(change.substr(6));
  }
  EXPECT_THAT(heard, ElementsAre("Parent", "Font", "Enabled", "Cursor", "Caption", "Checked", "Position", "Picture",
                                 "Layout", "Bounds", "Visible", "Focus"));
}

}  // namespace
}  // namespace ui
