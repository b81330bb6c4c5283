// SPDX-License-Identifier: MIT
#include "ui/qt/DesktopShell.h"

#include <gtest/gtest.h>

#include "tests/ui/qt/UrlCatcher.h"

namespace ui::qt {
namespace {

TEST(DesktopShellTest, OpensAnAddressWithTheDesktopsHandler) {
  UrlCatcher browser(QStringLiteral("https"));
  DesktopShell shell;
  EXPECT_GT(shell.Open("https://tolvanix.github.io/plimbora/"), 32);
  ASSERT_EQ(browser.Caught().size(), 1);
  EXPECT_EQ(browser.Caught()[0], QUrl(QStringLiteral("https://tolvanix.github.io/plimbora/")));
}

TEST(DesktopShellTest, AnEmptyAddressIsAFileNotFound) {
  UrlCatcher browser(QStringLiteral("https"));
  DesktopShell shell;
  EXPECT_EQ(shell.Open(""), 2);
  EXPECT_TRUE(browser.Caught().empty());
}

}  // namespace
}  // namespace ui::qt
