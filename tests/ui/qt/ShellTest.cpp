// SPDX-License-Identifier: MIT
#include "ui/qt/Services.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

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

// Local files are checked before the desktop is asked, as its launcher
// would fail only after reporting success.
class DesktopShellFileTest : public testing::Test {
 protected:
  [[nodiscard]] std::string PathOf(const char* name) const {
    return folder_.filePath(QString::fromUtf8(name)).toStdString();
  }
  [[nodiscard]] std::string Write(const char* name) const {
    QFile file(QString::fromStdString(PathOf(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>rules</p>");
    return PathOf(name);
  }

  QTemporaryDir folder_;
  UrlCatcher desktop_{QStringLiteral("file")};
  DesktopShell shell_;
};

TEST_F(DesktopShellFileTest, ExistingFileIsHandedToTheDesktop) {
  const std::string path = Write("rules.html");
  EXPECT_GT(shell_.Open("file://" + path), 32);
  EXPECT_GT(shell_.Open(path), 32);
  EXPECT_EQ(desktop_.Caught().size(), 2);
}

TEST_F(DesktopShellFileTest, MissingFileIsAFileNotFound) {
  EXPECT_EQ(shell_.Open("file://" + PathOf("missing.html")), 2);
  EXPECT_EQ(shell_.Open(PathOf("missing.html")), 2);
  EXPECT_TRUE(desktop_.Caught().empty());
}

TEST_F(DesktopShellFileTest, FileInAMissingFolderIsAPathNotFound) {
  EXPECT_EQ(shell_.Open("file://" + PathOf("no-such-folder/rules.html")), 3);
  EXPECT_TRUE(desktop_.Caught().empty());
}

TEST_F(DesktopShellFileTest, UnreadableFileIsAnAccessDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser can read any file";
  const std::string path = Write("secret.html");
  QFile::setPermissions(QString::fromStdString(path), QFileDevice::Permissions{});
  EXPECT_EQ(shell_.Open("file://" + path), 5);
  EXPECT_TRUE(desktop_.Caught().empty());
}

}  // namespace
}  // namespace ui::qt
