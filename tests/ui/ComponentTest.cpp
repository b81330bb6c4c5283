// SPDX-License-Identifier: MIT
#include "ui/Component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ui {
namespace {

using ::testing::ElementsAre;

// Writes its name into a log when destroyed.
class Noted final : public Component {
 public:
  Noted(std::string name, std::vector<std::string>& log) : log_(log) { SetName(std::move(name)); }
  ~Noted() override { log_.push_back(Name()); }

 private:
  std::vector<std::string>& log_;
};

TEST(ComponentTest, DestroysWhatItOwnsTheLatestFirst) {
  // An owner's own destructor runs before the components it owns go.
  std::vector<std::string> log;
  {
    Component owner;
    Noted& first = owner.Create<Noted>("first", log);
    first.Create<Noted>("inner", log);
    owner.Create<Noted>("second", log);
  }
  EXPECT_THAT(log, ElementsAre("second", "first", "inner"));
}

}  // namespace
}  // namespace ui
