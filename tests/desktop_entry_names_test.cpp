// SPDX-License-Identifier: GPL-3.0-or-later
// Names of desktop entries read from real files.

#include "platform/DesktopEntryNamesGio.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DesktopEntryNames : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir dir;
};

const QByteArray kWriter = "[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=Writer\n"
                           "Name[de]=Schreiber\n"
                           "Exec=writer %f\n";

TEST_F(DesktopEntryNames, AnEntryGivesItsNameInTheLanguageAsked) {
    const QString path = write("writer.desktop", kWriter);
    EXPECT_EQ(platform::DesktopEntryNamesGio("de_DE.UTF-8").displayName(path), "Schreiber");
    EXPECT_EQ(platform::DesktopEntryNamesGio("de").displayName(path), "Schreiber");
    EXPECT_EQ(platform::DesktopEntryNamesGio("fr_FR").displayName(path), "Writer");

    // Without a language the user's own languages decide.
    const QByteArray saved = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    const auto german = platform::DesktopEntryNamesGio().displayName(path);
    qputenv("LANGUAGE", "C");
    const auto plain = platform::DesktopEntryNamesGio().displayName(path);
    qputenv("LANGUAGE", saved);
    EXPECT_EQ(german, "Schreiber");
    EXPECT_EQ(plain, "Writer");

    // A link entry names itself as well.
    const QString link = write("site.desktop", "[Desktop Entry]\nType=Link\nName=Site\n"
                                               "URL=https://example.org\n");
    EXPECT_EQ(platform::DesktopEntryNamesGio().displayName(link), "Site");
}

TEST_F(DesktopEntryNames, AnythingElseHasNoEntryName) {
    platform::DesktopEntryNamesGio names("de");
    EXPECT_EQ(names.displayName(write("writer.lnk", kWriter)), std::nullopt)
        << "only .desktop files are desktop entries";
    EXPECT_EQ(names.displayName(write("other.desktop", "[Something]\nName=Other\n")), std::nullopt);
    EXPECT_EQ(names.displayName(write("nameless.desktop", "[Desktop Entry]\nType=Link\n")),
              std::nullopt);
    EXPECT_EQ(names.displayName(write("junk.desktop", "\x01\x02 not a key file")), std::nullopt);
    EXPECT_EQ(names.displayName(dir.filePath("missing.desktop")), std::nullopt);
}

} // namespace
