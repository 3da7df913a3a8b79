#include "app/Form1.h"
#include "common/Globals.h"
#include "fakes/FakeServices.h"
#include "platform/DesktopEnvironment.h"
#include "platform/DesktopFileSystem.h"
#include "store/Statements.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

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
class Startup : public ::testing::Test {
  protected:
    Startup() {
        QDir(root.path()).mkpath("xdg");
        QDir(root.path()).mkpath("program");
        qputenv("XDG_DATA_HOME", xdg().toLocal8Bit());
        environment.dataHome = platform::DesktopEnvironment().specialFolderPath(35);
        environment.program = program();
        environment.variables["COMPUTERNAME"] = "DESK";
    }
    ~Startup() override { qunsetenv("XDG_DATA_HOME"); }

    QString xdg() const { return root.filePath("xdg"); }
    QString program() const { return root.filePath("program"); }
    QString catalogue() const { return xdg() + "/Mellovan/Vantory/dbData.mdb"; }
    void ship(const QString& name) const {
        ASSERT_TRUE(QFile::copy(kBuild + "/" + name, program() + "/" + name));
    }
    int categoryCount() {
        QTreeWidget* tree = form.TreeView1();
        return tree->topLevelItemCount() == 0 ? -1 : tree->topLevelItem(0)->childCount();
    }

    QTemporaryDir root;
    fakes::FakeMessageBoxes messages;
    platform::DesktopFileSystem files;
    fakes::FakeEnvironment environment;
    fakes::FakeImages images;
    fakes::FakeShell shell;
    fakes::FakeDialogs dialogs;
    fakes::FakeSettings settings;
    fakes::FakeModalWindows modal;
    fakes::FakeDesktopEntryNames entryNames;
    platform::Services services{messages, files,    environment, images,    shell,
                                dialogs,  settings, modal,       entryNames};
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

TEST_F(Startup, TheHandPointerComesFromTheFileBesideTheProgram) {
    ship("dbBlank.mdb");
    ship("HAND-M.CUR");
    images.cursorFiles.insert(program() + "/HAND-M.CUR");
    form.Form_Load();
    EXPECT_TRUE(images.loaded.contains(program() + "/HAND-M.CUR"));
    form.setMousePointer(app::MousePointer::Custom);
    EXPECT_EQ(form.cursor().shape(), Qt::CrossCursor);
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
