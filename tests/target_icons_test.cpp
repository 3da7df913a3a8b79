// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ImageLists.h"
#include "common/ShortcutIcon.h"
#include "fakes/Form1Fixture.h"
#include "platform/DesktopTargetIcons.h"
#include "platform/IconLookup.h"
#include "platform/TargetLookups.h"
#include "store/Statements.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>
#include <sys/stat.h>
#include <thread>

namespace {

using fakes::group;
using fakes::item;

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

// A PNG file whose header claims width x height pixels, without the pixels.
QByteArray pngHeader(quint32 width, quint32 height) {
    QByteArray chunk("IHDR");
    for (const quint32 value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            chunk.append(static_cast<char>((value >> shift) & 0xFF));
        }
    }
    chunk.append("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : chunk) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    crc ^= 0xFFFFFFFF;
    QByteArray png("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12);
    png += chunk;
    for (int shift = 24; shift >= 0; shift -= 8) {
        png.append(static_cast<char>((crc >> shift) & 0xFF));
    }
    return png;
}

// An icon as the list draws it into a 32-pixel square.
QImage drawn(const QIcon& icon) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

class TargetIcons : public fakes::Form1Fixture {
  protected:
    // A private icon theme of plain coloured squares, an applications folder, a user folder
    // for documents and a folder of programs on PATH, all in `dir`.
    TargetIcons() {
        const QString theme = dir.path() + "/icons/private/32";
        QDir().mkpath(theme);
        writeFile(dir.path() + "/icons/private/index.theme",
                  "[Icon Theme]\nName=Private\nDirectories=32\n[32]\nSize=32\nType=Fixed\n");
        for (const auto& [name, colour] : colours) {
            QImage square(32, 32, QImage::Format_ARGB32);
            square.fill(colour);
            square.save(theme + "/" + name + ".png");
        }
        QIcon::setThemeSearchPaths({dir.path() + "/icons"});
        QIcon::setThemeName("private");
        for (const char* folder : {"/apps/applications", "/bin", "/config", "/Documents"}) {
            QDir().mkpath(dir.path() + folder);
        }
        writeFile(dir.path() + "/apps/applications/tool.desktop",
                  "[Desktop Entry]\nType=Application\nName=Tool\nExec=vantory-tool %F\n"
                  "Icon=vantory-tool\n");
        writeFile(dir.path() + "/bin/vantory-tool", "#!/bin/sh\n");
        QFile::setPermissions(dir.path() + "/bin/vantory-tool", QFile::ReadOwner | QFile::ExeOwner);
        QFile::link(dir.path() + "/bin/vantory-tool", dir.path() + "/tool-link");
        writeFile(dir.path() + "/config/user-dirs.dirs",
                  "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(dir.path()) + "/Documents\"\n");
        // The applications folder comes first; the system's data folders hold the MIME types.
        setEnvironment("XDG_DATA_DIRS", dir.path() + "/apps:/usr/local/share:/usr/share");
        setEnvironment("XDG_DATA_HOME", dir.path() + "/home");
        setEnvironment("XDG_CONFIG_HOME", dir.path() + "/config");
        setEnvironment("PATH", dir.path() + "/bin:" + qEnvironmentVariable("PATH"));
        platform.targetIcons.handOnTo = &desktopIcons;
    }
    ~TargetIcons() override {
        for (const auto& [name, value] : saved) {
            qputenv(name, value);
        }
        QIcon::setThemeName({});
    }
    void setEnvironment(const char* name, const QString& value) {
        saved.emplace_back(name, qgetenv(name));
        qputenv(name, QFile::encodeName(value));
    }

    const std::map<QString, QColor> colours{{"vantory-tool", QColor(200, 30, 40)},
                                            {"vantory-entry", QColor(30, 160, 60)},
                                            {"text-plain", QColor(20, 60, 210)},
                                            {"folder-documents", QColor(230, 200, 10)},
                                            {"folder", QColor(10, 200, 220)}};
    QTemporaryDir dir;
    std::vector<std::pair<const char*, QByteArray>> saved;
    platform::DesktopTargetIcons desktopIcons;
};

TEST_F(TargetIcons, EachTargetShowsTheDesktopsIconOrElseItsKindsPicture) {
    const QString d = dir.path();
    writeFile(d + "/entry.desktop", "[Desktop Entry]\nType=Application\nIcon=vantory-entry\n");
    writeFile(d + "/notes.txt", "plain text\n");
    writeFile(d + "/bad.desktop",
              "[Desktop Entry]\nType=Application\nIcon=" + QFile::encodeName(d) + "/notes.txt\n");
    QDir().mkpath(d + "/other");
    ASSERT_EQ(::mkfifo(QFile::encodeName(d + "/x.desktop").constData(), 0600), 0);
    writeFile(d + "/huge.desktop", "[Desktop Entry]\nType=Application\nIcon=vantory-entry\n" +
                                       QByteArray(2 * 1024 * 1024, '#'));
    writeFile(d + "/huge.png", pngHeader(60000, 60000));
    writeFile(d + "/self.svg", "<svg xmlns='http://www.w3.org/2000/svg' "
                               "xmlns:xlink='http://www.w3.org/1999/xlink' width='32' "
                               "height='32'><g id='g'><use xlink:href='#g'/></g></svg>");
    // Installed entries as the desktop lists them: the user's folder first, subfolders' entries
    // by their desktop IDs, an ID hidden in an earlier folder hidden in the later ones too.
    QDir().mkpath(d + "/apps/applications/sub");
    QDir().mkpath(d + "/home/applications");
    for (const char* program : {"vantory-sub", "vantory-hidden", "vantory-lost"}) {
        writeFile(d + "/bin/" + program, "#!/bin/sh\n");
        QFile::setPermissions(d + "/bin/" + program, QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray app = "[Desktop Entry]\nType=Application\nIcon=vantory-entry\n";
    writeFile(d + "/apps/applications/sub/a.desktop",
              app + "TryExec=vantory-sub\nExec=env vantory-sub\n");
    writeFile(d + "/apps/applications/hidden.desktop", app + "Exec=vantory-hidden\n");
    writeFile(d + "/home/applications/hidden.desktop", app + "Exec=vantory-hidden\nHidden=true\n");
    writeFile(d + "/apps/applications/lost.desktop",
              app + "Exec=vantory-lost\nTryExec=no-such-program\n");
    const auto entryShowing = [&](const char* name, const QString& picture) {
        writeFile(d + "/" + name, "[Desktop Entry]\nType=Application\nIcon=" +
                                      QFile::encodeName(d + "/" + picture) + "\n");
        return d + "/" + name;
    };
    struct Row {
        const char* caption;
        std::int16_t kind;
        QString path;
        QIcon expected;
    };
    const auto theme = [&](const char* name) {
        return QIcon(d + "/icons/private/32/" + name + ".png");
    };
    const std::vector<Row> rows{
        {"a program by its link", 2, d + "/tool-link", theme("vantory-tool")},
        {"b desktop entry", 5, d + "/entry.desktop", theme("vantory-entry")},
        {"c text file", 5, d + "/notes.txt", theme("text-plain")},
        {"d documents", 1, d + "/Documents", theme("folder-documents")},
        {"e other folder", 1, d + "/other", theme("folder")},
        {"f web address", 3, "https://example.org", common::imageListIcon(4)},
        {"g missing file", 5, d + "/missing.txt",
         common::missingTargetIcon(common::imageListIcon(3))},
        {"h icon not a picture", 5, d + "/bad.desktop", common::imageListIcon(3)},
        {"i program of no entry", 2, "/bin/sh", common::imageListIcon(3)},
        {"i2 program by its TryExec in a subfolder", 2, d + "/bin/vantory-sub",
         theme("vantory-entry")},
        {"i3 program whose entry the user hid", 2, d + "/bin/vantory-hidden",
         common::imageListIcon(3)},
        {"i4 program whose entry's TryExec is missing", 2, d + "/bin/vantory-lost",
         common::imageListIcon(3)},
        // Files that would hold the window, or show nothing, show the kind's picture.
        {"j pipe named as an entry", 5, d + "/x.desktop", common::imageListIcon(3)},
        {"k entry of 2 MiB", 5, d + "/huge.desktop", common::imageListIcon(3)},
        {"l picture of 60000 x 60000", 5, entryShowing("big.desktop", "huge.png"),
         common::imageListIcon(3)},
        {"m picture that refers to itself", 5, entryShowing("self.desktop", "self.svg"),
         common::imageListIcon(3)}};
    store::insertGroup(db(), group("Mixed"));
    for (const Row& row : rows) {
        store::insertItem(db(), item("Mixed", row.caption, row.kind, row.path.toStdString()));
        // The window asks the fake file system what is there; it holds what the disk holds.
        if (QFileInfo(row.path).isDir()) {
            platform.files.folders.insert(row.path);
        } else if (QFileInfo::exists(row.path)) { // a pipe too: it is there, only not a file
            platform.files.files[row.path] = QString();
        }
    }

    clickCategory("Mixed");

    ASSERT_EQ(form.ListView1()->count(), static_cast<int>(rows.size()));
    // Drawn first with the kinds' pictures, while the targets are looked up beside the window.
    for (int i = 0; i < form.ListView1()->count(); ++i) {
        drawn(form.ListView1()->item(i)->icon());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktopIcons.lookupsPending(); }));
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QListWidgetItem* entry = form.ListView1()->item(static_cast<int>(i));
        EXPECT_EQ(entry->text(), rows[i].caption);
        EXPECT_EQ(drawn(entry->icon()), drawn(rows[i].expected)) << rows[i].caption;
    }
}

// A target on a mount that never answers holds neither the window nor the other targets'
// icons: it keeps its kind's picture once the time limit has passed.
TEST_F(TargetIcons, ATargetThatNeverAnswersHoldsNeitherTheWindowNorTheOtherIcons) {
    const QString d = dir.path();
    writeFile(d + "/notes.txt", "plain text\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(d + "/pipe.desktop").constData(), 0600), 0);
    const QString hung = "/net/hung/share/report.txt";
    std::promise<void> answer;
    const std::shared_future<void> answered = answer.get_future().share();
    platform::DesktopTargetIcons icons(
        [hung, answered](platform::TargetIcons::Target target, const QString& path) {
            if (path == hung) {
                answered.wait(); // as stat() waits on a mount whose server is gone
            }
            return platform::IconLocator().locate(target, path);
        },
        std::chrono::milliseconds(1000));
    platform.targetIcons.handOnTo = &icons;
    store::insertGroup(db(), group("Hung"));
    store::insertGroup(db(), group("Other"));
    store::insertItem(db(), item("Other", "Calculator", 3, "https://example.org"));
    for (const QString& path : {hung, d + "/pipe.desktop", d + "/notes.txt"}) {
        store::insertItem(db(), item("Hung", path.toStdString(), 5, path.toStdString()));
        platform.files.files[path] = QString(); // there, so not shown as missing
    }

    clickCategory("Hung");
    QListWidget* list = form.ListView1();
    for (int i = 0; i < list->count(); ++i) {
        drawn(list->item(i)->icon()); // asks for the three targets
    }
    ASSERT_TRUE(icons.lookupsPending());
    clickCategory("Other");
    EXPECT_EQ(list->count(), 1) << "the window took the click while the lookup waits";
    EXPECT_TRUE(icons.lookupsPending());

    clickCategory("Hung");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !icons.lookupsPending(); }));
    QCoreApplication::processEvents();
    const auto shows = [&](const QString& caption) {
        return drawn(list->findItems(caption, Qt::MatchExactly).value(0)->icon());
    };
    EXPECT_EQ(shows(hung), drawn(common::imageListIcon(3)));
    EXPECT_EQ(shows(d + "/pipe.desktop"), drawn(common::imageListIcon(3)));
    EXPECT_EQ(shows(d + "/notes.txt"), drawn(QIcon(d + "/icons/private/32/text-plain.png")));
    answer.set_value();
}

// Their end waits for a lookup under way, and for one that never answers only up to the limit.
TEST(TargetLookups, TheirEndWaitsForALookupUnderWayButNotForOneThatNeverAnswers) {
    for (const bool answers : {true, false}) {
        auto started = std::make_shared<std::atomic<bool>>(false);
        auto finished = std::make_shared<std::atomic<bool>>(false);
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        {
            platform::TargetLookups lookups(
                [=](platform::TargetIcons::Target, const QString&) {
                    *started = true;
                    answers ? std::this_thread::sleep_for(std::chrono::milliseconds(200))
                            : released.wait();
                    *finished = true;
                    return platform::IconSource{};
                },
                std::chrono::milliseconds(answers ? 10000 : 300));
            lookups.answer(platform::TargetIcons::Target::File, "/data/report.txt", nullptr);
            ASSERT_TRUE(QTest::qWaitFor([&] { return started->load(); }));
        }
        EXPECT_EQ(*finished, answers) << (answers ? "answers" : "never answers");
        release.set_value();
    }
}

} // namespace
