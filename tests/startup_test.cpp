// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "common/Globals.h"
#include "fakes/TempMachine.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopImages.h"
#include "platform/DesktopMessageBoxes.h"
#include "store/Statements.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kBuild = QStringLiteral(VANTORY_BUILD_DIR);

// The number of categories a catalogue file holds, read from a copy so the file stays as it is.
int groupsIn(const QString& path) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.mdb");
    QFile::copy(path, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    store::Connection db;
    db.open(copy.toStdString());
    return static_cast<int>(store::selectAllGroups(db).rowCount());
}

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A machine with a real file system: the data home and the program folder are temporary.
class Startup : public ::testing::Test, protected fakes::TempMachine {
  protected:
    QString catalogue() const { return xdg() + "/Mellovan/Vantory/dbData.mdb"; }
    void ship(const QString& name) const {
        ASSERT_TRUE(QFile::copy(kBuild + "/" + name, program() + "/" + name));
    }
    int categoryCount() {
        QTreeWidget* tree = form.TreeView1();
        return tree->topLevelItemCount() == 0 ? -1 : tree->topLevelItem(0)->childCount();
    }

    common::Globals globals;
    app::Form1 form{services, globals};
};

TEST_F(Startup, FirstStartCopiesTheApplicationsTemplateAndSelectsTheRoot) {
    ASSERT_EQ(environment.dataHome, xdg());
    ship("dbApplications.mdb");
    ship("dbBlank.mdb");

    form.Form_Load();

    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join("|").toStdString();
    ASSERT_NE(globals.gConnection, nullptr);
    EXPECT_TRUE(globals.gConnection->isOpen());
    EXPECT_GT(categoryCount(), 0);
    EXPECT_EQ(categoryCount(), groupsIn(kBuild + "/dbApplications.mdb"));
    EXPECT_EQ(form.TreeView1()->currentItem(), form.TreeView1()->topLevelItem(0));
    EXPECT_TRUE(form.TreeView1()->topLevelItem(0)->isSelected());
    EXPECT_FALSE(form.mNodeIsGroup);
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_EQ(form.Label1()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.ListView1()->count(), 0);
    EXPECT_EQ(form.windowTitle(), "Vantory");
    EXPECT_EQ(globals.applicationTitle, "Vantory");
}

TEST_F(Startup, OnlyTheBlankTemplateIsCopiedWhenItIsAllThereIs) {
    ship("dbBlank.mdb");
    form.Form_Load();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(QFile::exists(catalogue()));
    EXPECT_EQ(categoryCount(), 0);
}

TEST_F(Startup, AnExistingCatalogueIsNeverReplaced) {
    ship("dbApplications.mdb");
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    ASSERT_TRUE(QFile::copy(kBuild + "/dbBlank.mdb", catalogue()));
    QFile::setPermissions(catalogue(), QFile::ReadOwner | QFile::WriteOwner);

    form.Form_Load();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(categoryCount(), 0) << "the blank catalogue that was there is the one in use";
}

TEST_F(Startup, WithoutTemplateTheMissingCatalogueIsToldOnceAndTheTreeStaysEmpty) {
    form.Form_Load();

    EXPECT_EQ(messages.texts(),
              QStringList{"Database file does not exist. Please contact author for more info."});
    EXPECT_EQ(messages.shown[0].title, "Vantory");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(form.TreeView1()->topLevelItemCount(), 0);
    EXPECT_EQ(globals.gConnection, nullptr);
    EXPECT_TRUE(QFileInfo(xdg() + "/Mellovan/Vantory").isDir()) << "the folders are made first";
}

TEST_F(Startup, AFileThatIsNotACatalogueIsReportedAndLeftAsItWas) {
    ship("dbApplications.mdb");
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    {
        QFile f(catalogue());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("These are my notes, not a database.\n");
    }
    const QByteArray before = digest(catalogue());

    form.Form_Load();

    ASSERT_GE(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Application Error");
    EXPECT_TRUE(messages.shown[0].text.contains("not a Vantory catalogue"))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains("Form1.Form_Load at line 124"));
    EXPECT_EQ(digest(catalogue()), before);
    EXPECT_FALSE(QFile::exists(catalogue() + "-wal"));
    // The window is still usable: the tree holds its root and nothing breaks on a click.
    EXPECT_EQ(categoryCount(), 0);
    QTest::mouseClick(form.PushButton(7), Qt::LeftButton);
}

TEST_F(Startup, ANewAccountWithoutADataHomeStartsWithTheSampleCatalogue) {
    ship("dbApplications.mdb");
    const int samples = groupsIn(kBuild + "/dbApplications.mdb");
    ASSERT_GT(samples, 0);

    // An XDG data home that does not exist yet, and a home without ~/.local/share.
    const QString fresh = root.filePath("not/yet/there");
    const QString home = root.filePath("newuser");
    ASSERT_TRUE(QDir().mkpath(home));
    const QByteArray savedHome = qgetenv("HOME");
    for (const bool viaHome : {false, true}) {
        SCOPED_TRACE(viaHome ? "HOME without .local/share" : "XDG_DATA_HOME not there");
        if (viaHome) {
            qunsetenv("XDG_DATA_HOME");
            qputenv("HOME", home.toLocal8Bit());
        } else {
            qputenv("XDG_DATA_HOME", fresh.toLocal8Bit());
        }
        // The desktop's own environment makes a missing data home; the start-up makes whatever
        // is still missing below whichever data home it is given.
        environment.dataHome = viaHome ? home + "/.local/share" : fresh;
        ASSERT_FALSE(QFileInfo::exists(environment.dataHome));

        fakes::FakeMessageBoxes boxes;
        platform::Services own = servicesWith(boxes, images);
        common::Globals owned;
        app::Form1 window(own, owned);
        EXPECT_TRUE(window.Form_Load());

        EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join("|").toStdString();
        EXPECT_TRUE(QFileInfo(environment.dataHome + "/Mellovan/Vantory/dbData.mdb").isFile());
        ASSERT_EQ(window.TreeView1()->topLevelItemCount(), 1);
        EXPECT_EQ(window.TreeView1()->topLevelItem(0)->childCount(), samples);
    }
    qputenv("HOME", savedHome);
}

TEST_F(Startup, SomethingThatIsNoRegularFileInTheCataloguesPlaceIsToldNotOpened) {
    ship("dbApplications.mdb");
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    const QString blank = root.filePath("blank.mdb");
    ASSERT_TRUE(QFile::copy(kBuild + "/dbBlank.mdb", blank));
    QFile::setPermissions(blank, QFile::ReadOwner | QFile::WriteOwner);

    // A named pipe would block the open until someone writes to it; a device and a socket are
    // no catalogue either. A link to a real catalogue is fine.
    const auto makeSocket = [](const QString& path) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(),
                    std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
        const bool made = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return made;
    };
    struct Place {
        const char* what;
        std::function<bool()> make;
        bool opens;
    };
    const Place places[] = {
        {"named pipe", [&] { return ::mkfifo(QFile::encodeName(catalogue()), 0600) == 0; }, false},
        {"device", [&] { return QFile::link("/dev/null", catalogue()); }, false},
        {"socket", [&] { return makeSocket(catalogue()); }, false},
        {"link to a catalogue", [&] { return QFile::link(blank, catalogue()); }, true},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        QFile::remove(catalogue());
        ASSERT_TRUE(place.make());

        fakes::FakeMessageBoxes boxes;
        platform::Services own = servicesWith(boxes, images);
        common::Globals owned;
        app::Form1 window(own, owned);
        EXPECT_TRUE(window.Form_Load());

        if (place.opens) {
            EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join("|").toStdString();
            ASSERT_NE(owned.gConnection, nullptr);
            EXPECT_TRUE(owned.gConnection->isOpen());
            EXPECT_EQ(window.TreeView1()->topLevelItemCount(), 1);
            continue;
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << boxes.texts().join("|").toStdString();
        EXPECT_EQ(boxes.shown[0].text,
                  "The catalogue " + catalogue() +
                      " is not a regular file, so Vantory cannot open it. Move it out of the way "
                      "and start Vantory again.");
        EXPECT_EQ(boxes.shown[0].title, "Vantory");
        EXPECT_EQ(owned.gConnection, nullptr);
        EXPECT_EQ(window.TreeView1()->topLevelItemCount(), 0);
        EXPECT_FALSE(QFileInfo(catalogue()).isFile()) << "nothing was copied over it";
    }
}

TEST_F(Startup, ABadCategoryColourIsToldOnceAndTheCategoriesAfterItStillShow) {
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    ASSERT_TRUE(QFile::copy(kBuild + "/dbBlank.mdb", catalogue()));
    QFile::setPermissions(catalogue(), QFile::ReadOwner | QFile::WriteOwner);
    {
        store::Connection db;
        db.open(catalogue().toStdString());
        for (const char* name : {"A", "B", "C", "Z"}) {
            store::insertGroup(db, store::GroupRow{name, "", "", 255});
        }
        db.execute("update tblGroups set grouptextcolor='red' where groupcaption in ('A','C')");
    }

    EXPECT_TRUE(form.Form_Load());

    ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join("|").toStdString();
    EXPECT_EQ(messages.shown[0].title, "Application Error");
    EXPECT_TRUE(messages.shown[0].text.contains("\"A\"")) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains("Form1.Form_Load at line 152"));
    ASSERT_EQ(categoryCount(), 4);
    QTreeWidgetItem* top = form.TreeView1()->topLevelItem(0);
    EXPECT_EQ(top->child(0)->foreground(0).color(), QColor(0, 0, 0));
    EXPECT_EQ(top->child(1)->foreground(0).color(), QColor(0xEE, 0, 0))
        << "red, darkened to reach 4.5:1 on white";
    EXPECT_EQ(top->child(3)->text(0), "Z");
    // The start-up still ends with the root selected.
    EXPECT_EQ(form.TreeView1()->currentItem(), top);
}

TEST_F(Startup, ASecondVantoryOnTheSameCatalogueTellsWhyAndEndsWithoutAWindow) {
    ship("dbBlank.mdb");
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    ASSERT_TRUE(QFile::copy(kBuild + "/dbBlank.mdb", catalogue()));
    QFile::setPermissions(catalogue(), QFile::ReadOwner | QFile::WriteOwner);
    store::Connection first;
    first.open(catalogue().toStdString());

    EXPECT_FALSE(form.Form_Load()) << "the program is told to end";

    ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join("|").toStdString();
    EXPECT_EQ(messages.shown[0].title, "Application Error");
    EXPECT_TRUE(messages.shown[0].text.contains("in use by another running Vantory"));
    EXPECT_TRUE(messages.shown[0].text.contains("Form1.Form_Load at line 124"));
    EXPECT_EQ(globals.gConnection, nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.TreeView1()->topLevelItemCount(), 0);

    // Once the first one has closed, a start goes ahead.
    first.close();
    fakes::FakeMessageBoxes boxes;
    platform::Services own = servicesWith(boxes, images);
    common::Globals owned;
    app::Form1 window(own, owned);
    EXPECT_TRUE(window.Form_Load());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Startup, AStartFromWhatWasReadAheadEndsAsOneWithout) {
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    for (const char* catalogue : {"usual", "in use", "named pipe"}) {
        SCOPED_TRACE(catalogue);
        QFile::remove(this->catalogue());
        messages.shown.clear();
        const bool pipe = std::strcmp(catalogue, "named pipe") == 0;
        ASSERT_TRUE(pipe ? ::mkfifo(QFile::encodeName(this->catalogue()), 0600) == 0
                         : QFile::copy(kBuild + "/dbApplications.mdb", this->catalogue()));
        QFile::setPermissions(this->catalogue(), QFile::ReadOwner | QFile::WriteOwner);
        store::Connection other;
        if (std::strcmp(catalogue, "in use") == 0) {
            other.open(this->catalogue().toStdString());
        }
        app::CatalogueAhead ahead = app::readCatalogueAhead(services);
        const store::Connection* opened = ahead.connection.get();
        common::Globals owned;
        app::Form1 window(services, owned);
        window.startFrom(std::move(ahead));
        window.Form_Load();
        if (opened == nullptr) {
            // Not read ahead: start-up tells why, as without.
            ASSERT_EQ(messages.shown.size(), 1u);
            continue;
        }
        EXPECT_TRUE(messages.shown.empty()) << messages.texts().join("|").toStdString();
        EXPECT_EQ(owned.gConnection.get(), opened);
        const int shown = window.TreeView1()->topLevelItem(0)->childCount();
        EXPECT_EQ(shown, groupsIn(kBuild + "/dbApplications.mdb"));
        // What was read ahead serves once: a later refill reads the catalogue.
        store::insertGroup(*owned.gConnection, {"Added", "", "", 0});
        window.loadGroups();
        EXPECT_EQ(window.TreeView1()->topLevelItem(0)->childCount(), shown + 1);
    }
}

TEST_F(Startup, BoxesAtStartUpOpenWhereTheWindowWillOpen) {
    // A named pipe as catalogue: a long message, wrapped over lines, opens before the window.
    ASSERT_TRUE(QDir().mkpath(xdg() + "/Mellovan/Vantory"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(catalogue()), 0600), 0);
    platform::DesktopMessageBoxes boxes;
    platform::Services own = servicesWith(boxes, images);
    common::Globals owned;
    app::Form1 window(own, owned);
    QRect boxPlace;
    QString boxText;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxPlace = box->frameGeometry();
            boxText = box->text();
            box->accept();
        }
    });
    closer.start(10);

    EXPECT_TRUE(window.Form_Load());
    closer.stop();

    EXPECT_TRUE(boxText.startsWith("The catalogue " + catalogue() + " is not a regular file"));
    ASSERT_TRUE(boxPlace.isValid());
    const QPoint screenMiddle = window.screen()->availableGeometry().center();
    EXPECT_LE((boxPlace.center() - window.geometry().center()).manhattanLength(), 4);
    EXPECT_LE((boxPlace.center() - screenMiddle).manhattanLength(), 4);
    // The window opens there too.
    window.show();
    EXPECT_LE((window.frameGeometry().center() - screenMiddle).manhattanLength(), 4);
}

TEST_F(Startup, TheHandPointerComesFromTheFileBesideTheProgram) {
    ship("dbBlank.mdb");
    ship("HAND-M.CUR");
    images.cursorFiles.insert(program() + "/HAND-M.CUR");
    form.Form_Load();
    EXPECT_TRUE(images.loaded.contains(program() + "/HAND-M.CUR"));
    form.setMousePointer(app::MousePointer::Custom);
    EXPECT_EQ(form.cursor().shape(), Qt::CrossCursor);
}

// The pointer file beside the program, read by the desktop's own image service: a sound file
// becomes the hand pointer, a cut one is reported where the window loads it and the window
// still opens.
TEST_F(Startup, TheRealPointerFileIsReadAndABrokenOneIsReported) {
    ship("dbBlank.mdb");
    ship("HAND-M.CUR");
    platform::DesktopImages desktopImages;
    platform::Services own = servicesWith(messages, desktopImages);
    {
        common::Globals ownGlobals;
        app::Form1 window(own, ownGlobals);
        EXPECT_TRUE(window.Form_Load());
        EXPECT_TRUE(messages.shown.empty()) << messages.texts().join("|").toStdString();
        window.setMousePointer(app::MousePointer::Custom);
        EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(window.cursor().pixmap().size(), QSize(32, 32));
    }
    {
        QFile cursor(program() + "/HAND-M.CUR");
        ASSERT_TRUE(cursor.resize(100));
    }
    common::Globals ownGlobals;
    app::Form1 window(own, ownGlobals);
    EXPECT_TRUE(window.Form_Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString text = messages.shown.front().text;
    EXPECT_TRUE(
        text.startsWith("The pointer file " + program() + "/HAND-M.CUR could not be loaded."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Form1.Form_Load at line 132")) << text.toStdString();
    EXPECT_EQ(messages.shown.front().title, "Application Error");
    // Without its file the pointer over the buttons is the desktop's pointing hand.
    window.setMousePointer(app::MousePointer::Custom);
    EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(window.TreeView1()->topLevelItemCount(), 0);
}

TEST_F(Startup, ASkinFileDressesTheMainWindowButTheDescriptionStaysWhite) {
    ship("dbBlank.mdb");
    QDir(program()).mkpath("x");
    {
        QFile skin(program() + "/x/o.cjs");
        ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
        skin.write("QPushButton { color: navy; }");
    }
    form.Form_Load();
    EXPECT_EQ(form.styleSheet(), "QPushButton { color: navy; }");
    EXPECT_NE(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.Label1()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(Startup, ClosingReleasesTheConnectionEvenWhenItIsAlreadyClosed) {
    ship("dbBlank.mdb");
    form.Form_Load();
    ASSERT_NE(globals.gConnection, nullptr);
    globals.gConnection->close();
    form.show();
    form.close();
    EXPECT_EQ(globals.gConnection, nullptr);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
