// SPDX-License-Identifier: GPL-3.0-or-later
// Adding the desktop's installed applications: from the tree root's context menu, and with
// `vantory --add-installed`, each run twice over a private applications folder.
#include "fakes/FakeLaunchQuestion.h"
#include "fakes/Form1Fixture.h"
#include "fakes/PrivateApplications.h"
#include "fakes/RecordingLauncher.h"
#include "installed/AddInstalledDialog.h"
#include "launch/DesktopShell.h"
#include "platform/DesktopFileSystem.h"
#include "platform/InstalledApplications.h"
#include "store/Columns.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QTimer>

namespace {

// Entries of every kind the menu shows or leaves out, by file name.
const std::pair<const char*, const char*> kEntries[] = {
    {"editor.desktop", "Name=Text Editor\nName[de]=Texteditor\nComment=Edit text\n"
                       "Categories=GTK;Utility;\n"},
    {"console.desktop", "Name=Console\nTerminal=true\nCategories=System;\n"},
    {"panel.desktop", "Name=Panel\nCategories=System;Settings;\n"},
    {"xfce-only.desktop", "Name=Xfce Thing\nOnlyShowIn=XFCE;\n"},
    {"nodisplay.desktop", "Name=No Display\nNoDisplay=true\nCategories=Utility;\n"},
    {"hidden.desktop", "Name=Hidden\nHidden=true\nCategories=Utility;\n"},
    {"gnome-only.desktop", "Name=Gnome Thing\nOnlyShowIn=GNOME;\nCategories=Utility;\n"},
    {"not-xfce.desktop", "Name=Not Xfce\nNotShowIn=XFCE;\nCategories=Utility;\n"},
    {"tryexec.desktop", "Name=Try\nTryExec=/nonexistent/program\nCategories=Utility;\n"},
    {"org.mellovan.Vantory.desktop", "Name=Vantory\nCategories=Utility;\n"},
};

void writeEntries(const QString& folder) {
    QDir().mkpath(folder);
    for (const auto& [name, keys] : kEntries) {
        QFile entry(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(QByteArray("[Desktop Entry]\nType=Application\nExec=true\n") + keys);
    }
}

// The catalogue's shortcuts as "category/caption/description/kind", and how many there are.
QStringList shortcutsOf(store::Connection& db, const QString& folder) {
    QStringList found;
    for (store::ResultSet rs = db.query("select * from tblItems"); !rs.eof(); rs.moveNext()) {
        const QString path = QString::fromStdString(rs.field(store::column::itempath).text());
        if (path.startsWith(folder))
            found << QString::fromStdString(
                rs.field(store::column::groupcaption).text() + "/" +
                rs.field(store::column::itemcaption).text() + "/" +
                rs.field(store::column::itemdescription).text() + "/" +
                std::to_string(rs.field(store::column::itemtype).toInt16()));
    }
    found.sort(Qt::CaseInsensitive);
    return found;
}

class AddInstalled : public fakes::Form1Fixture {
  protected:
    void SetUp() override {
        writeEntries(folder);
        // GIO may have read the folder before: it sees new entries once it is told of them.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            int mine = 0;
            for (const auto& application : menu.applications())
                mine += application.file.startsWith(folder);
            return mine == 9; // "installed", and all but Hidden and the one without its TryExec
        }));
        platform.applicationMenu.handOnTo = &menu;
        platform.environment.variables["XDG_CURRENT_DESKTOP"] = "XFCE";
        form.loadGroups();
    }

    // Opens the root's menu as the platform does for a right click (or the Menu key), and
    // clicks "Add Installed Applications…"; `driver` then works the dialog.
    void addFromRootMenu(QContextMenuEvent::Reason reason,
                         std::function<void(installed::AddInstalledDialog*)> driver) {
        platform.modal.drivers.push_back([driver](QDialog* window) {
            auto* dialog = qobject_cast<installed::AddInstalledDialog*>(window);
            ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isReady(); }));
            driver(dialog);
        });
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            QAction* add = menu->findChild<QAction*>("addInstalledApplications");
            ASSERT_EQ(add->text(), "Add Installed Applications…");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(add).center());
        });
        QTreeWidget* tree = form.TreeView1();
        const QPoint root = tree->visualItemRect(tree->topLevelItem(0)).center();
        QContextMenuEvent event(reason, root, tree->viewport()->mapToGlobal(root));
        QApplication::sendEvent(reason == QContextMenuEvent::Mouse ? tree->viewport()
                                                                   : static_cast<QWidget*>(tree),
                                &event);
        EXPECT_TRUE(platform.modal.drivers.empty());
    }

    QString folder = fakes::privateApplications();
    ::platform::DesktopApplicationMenu menu;
};

TEST_F(AddInstalled, RootMenuAddsTheChosenCategoriesOnceAndTheyLaunchWithoutAQuestion) {
    store::insertGroup(db(), fakes::group("accessories"));
    form.loadGroups();
    addFromRootMenu(QContextMenuEvent::Mouse, [](installed::AddInstalledDialog* dialog) {
        QTreeWidget* rows = dialog->categories();
        const auto accessories = rows->findItems("accessories", Qt::MatchExactly);
        ASSERT_EQ(accessories.size(), 1);
        EXPECT_EQ(accessories[0]->checkState(0), Qt::Checked);
        EXPECT_GE(accessories[0]->text(1).toInt(), 1);
        QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shortcutsOf(db(), folder),
              (QStringList{"accessories/Text Editor/Edit text/2", "Other/Installed//2",
                           "Other/Xfce Thing//2", "Settings/Panel//2", "System Tools/Console//2"}));
    EXPECT_TRUE(findCategory("System Tools") && findCategory("Other") &&
                !findCategory("Accessories"));
    EXPECT_EQ(QDir(catalogue.folder() + "/backups").entryList(QDir::Files).size(), 1);
    const std::size_t rows = db().query("select * from tblItems").rowCount();

    // Again, with the Menu key: nothing is new, and nothing can be added.
    clickRoot();
    addFromRootMenu(QContextMenuEvent::Keyboard, [](installed::AddInstalledDialog* dialog) {
        for (int i = 0; i < dialog->categories()->topLevelItemCount(); ++i)
            EXPECT_EQ(dialog->categories()->topLevelItem(i)->text(1), "0");
        EXPECT_FALSE(dialog->addButton()->isEnabled());
        dialog->reject();
    });
    EXPECT_EQ(db().query("select * from tblItems").rowCount(), rows);

    // A terminal program's shortcut launches its installed entry, unasked.
    ::platform::DesktopFileSystem files;
    fakes::RecordingLauncher launcher;
    fakes::FakeLaunchQuestion question;
    ::platform::TrustedEntries trusted{catalogue.folder() + "/state"};
    ::launch::DesktopShell shell{files, launcher, question, trusted};
    platform.shell.handOnTo = &shell;
    platform.files.files[folder + "/console.desktop"] = "";
    clickCategory("System Tools");
    clickShortcut("Console");
    EXPECT_EQ(launcher.launched,
              (std::vector<fakes::Launched>{{fakes::Launched::DesktopEntry, "true", {}, {}}}));
    EXPECT_TRUE(platform.messages.shown.empty())
        << platform.messages.texts().join("\n").toStdString();
}

TEST(AddInstalledOnTheCommandLine, PrintsWhatItAddedInTheUsersLanguageAndAddsNothingTheSecondTime) {
    QTemporaryDir home;
    writeEntries(home.filePath("share/applications"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_DIRS", home.filePath("share"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CURRENT_DESKTOP", "XFCE");
    env.insert("LANGUAGE", "de");
    env.insert("LANG", "de_DE.UTF-8");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    QStringList printed;
    for (int run = 0; run < 2; ++run) {
        QProcess vantory;
        vantory.setProcessEnvironment(env);
        vantory.start(VANTORY_BUILD_DIR "/vantory", {"--add-installed"});
        ASSERT_TRUE(vantory.waitForFinished(20000));
        EXPECT_EQ(vantory.exitCode(), 0) << vantory.readAllStandardError().toStdString();
        printed << QString::fromUtf8(vantory.readAllStandardOutput());
    }
    EXPECT_TRUE(printed[0].startsWith("Einstellungen: Panel\nSystemwerkzeuge: Console\n"
                                      "Zubehör: Texteditor\nAndere: Xfce Thing\n"))
        << printed[0].toStdString();
    EXPECT_EQ(printed[1].count('\n'), 1) << printed[1].toStdString(); // only that nothing was new
    store::Connection db;
    db.open(home.filePath("data/Mellovan/Vantory/dbData.mdb").toStdString());
    EXPECT_EQ(shortcutsOf(db, home.path()),
              (QStringList{"Andere/Xfce Thing//2", "Einstellungen/Panel//2",
                           "Systemwerkzeuge/Console//2", "Zubehör/Texteditor/Edit text/2"}));
}

} // namespace
