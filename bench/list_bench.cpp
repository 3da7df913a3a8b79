// Times filling the shortcut list of the main window:
//   list_bench [count]
// A category with `count` shortcuts (5,000 when not given) is clicked in a shown main window, so
// the whole fill is measured: the read, the icons, the layout and the scroll to the last item.

#include "app/Form1.h"
#include "common/Globals.h"
#include "platform/DesktopPlatform.h"
#include "store/Codes.h"
#include "store/Statements.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 5000;

    QTemporaryDir dir;
    const QString path = dir.filePath("dbData.mdb");
    QFile::copy(QCoreApplication::applicationDirPath() + "/dbBlank.mdb", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    common::Globals globals;
    globals.gConnection = std::make_unique<store::Connection>();
    globals.gConnection->open(path.toStdString());
    store::insertGroup(*globals.gConnection, store::GroupRow{"Many", "", "", 0});
    for (int i = 0; i < count; ++i) {
        store::insertItem(*globals.gConnection,
                          store::ItemRow{"Many", "Shortcut " + std::to_string(i), "", "/tmp", "",
                                         static_cast<std::int16_t>(1 + i % 5), 0x336699, 0});
    }

    platform::DesktopPlatform desktop;
    app::Form1 form(desktop.services, globals);
    form.show();
    form.loadGroups();
    QTreeWidgetItem* category = form.TreeView1()->topLevelItem(0)->child(0);

    const auto start = std::chrono::steady_clock::now();
    form.TreeView1()->setCurrentItem(category);
    QCoreApplication::processEvents();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("filled %d shortcuts in %.3f s\n", form.ListView1()->count(), seconds);
    return 0;
}
