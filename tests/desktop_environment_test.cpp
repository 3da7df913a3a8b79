// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kCommonAppData = 35;

class DataHome : public ::testing::Test {
  protected:
    ~DataHome() override { qunsetenv("XDG_DATA_HOME"); }
    void pointDataHomeAt(const QString& path) { qputenv("XDG_DATA_HOME", path.toLocal8Bit()); }

    QTemporaryDir root;
    platform::DesktopEnvironment environment;
};

TEST_F(DataHome, AMissingDataHomeIsMadePrivate) {
    const QString home = root.filePath("fresh/.local/share");
    pointDataHomeAt(home);

    EXPECT_EQ(environment.specialFolderPath(kCommonAppData), home);
    const QFileInfo made(home);
    ASSERT_TRUE(made.isDir());
    EXPECT_EQ(made.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                    QFileDevice::WriteGroup | QFileDevice::WriteOther),
              QFileDevice::Permissions());
    // The catalogue's folder can now be made in it one level at a time.
    EXPECT_TRUE(QDir().mkdir(home + "/Mellovan"));
}

TEST_F(DataHome, AnExistingDataHomeKeepsItsPermissions) {
    const QString home = root.filePath("shared");
    ASSERT_TRUE(QDir().mkdir(home));
    const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(home, open));
    pointDataHomeAt(home);

    EXPECT_EQ(environment.specialFolderPath(kCommonAppData), home);
    EXPECT_TRUE(QFileInfo(home).permissions().testFlag(QFileDevice::ReadOther));
    EXPECT_EQ(environment.specialFolderPath(36), QString());
}

} // namespace
