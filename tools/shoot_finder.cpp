// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program on a fresh sample catalogue with two shortcuts whose targets are gone, opens
// the finder on them and saves a picture of the window once the file system has answered: in
// one language ("en" English), under the desktop's light scheme or a dark one.
//
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/shoot_finder ar light
//     docs/finder-missing-ar.png

#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "app/Translations.h"
#include "common/Globals.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "store/Statements.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LANGUAGE light|dark PICTURE\n", argv[0]);
        return 2;
    }
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    const QString language = QString::fromLocal8Bit(argv[1]);
    if (language != QLatin1String("en") && app::loadTranslations({language}).isEmpty()) {
        std::fprintf(stderr, "no translation for %s\n", argv[1]);
        return 2;
    }
    if (qstrcmp(argv[2], "dark") == 0) {
        // The colours of a dark desktop scheme, as the desktop hands them to Qt.
        QPalette dark = QApplication::palette();
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 45)},
                                    {QPalette::Base, QColor(45, 45, 45)},
                                    {QPalette::Button, QColor(60, 60, 60)},
                                    {QPalette::WindowText, QColor(230, 230, 230)},
                                    {QPalette::ButtonText, QColor(230, 230, 230)},
                                    {QPalette::Text, QColor(230, 230, 230)}}) {
            dark.setColor(role, colour);
        }
        QApplication::setPalette(dark);
    }
    const QString picture = QString::fromLocal8Bit(argv[3]);

    app::DesktopPlatform desktop;
    common::Globals globals;
    app::Form1 form1(desktop.services, globals);
    form1.Form_Load();
    const QString gone = dataHome.path() + QStringLiteral("/gone");
    for (const auto& [caption, kind, path] :
         {std::tuple{"Backup drive", std::int16_t(1), gone},
          std::tuple{"Backup tool", std::int16_t(2), gone + QStringLiteral("/backup")},
          std::tuple{"Backup folder", std::int16_t(1), dataHome.path()}}) {
        store::ItemRow row;
        row.groupcaption = "Tools";
        row.itemcaption = caption;
        row.itempath = path.toStdString();
        row.itemtype = kind;
        store::insertItem(globals.connection(), row);
    }
    form1.resize(760, 520);
    form1.show();

    bool failed = true;
    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitForWindowExposed(&form1);
        form1.openFinder(QStringLiteral("backup"));
        form1.finderCatalogue()->waitUntilBuilt();
        form1.finder()->field()->setText(QStringLiteral("backup"));
        // The file system answers beside the window: time for it, then for the repaint.
        QTest::qWait(500);
        failed = !form1.grab().save(picture);
        QApplication::quit();
    });
    QApplication::exec();
    if (failed) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(picture));
    }
    return failed ? 1 : 0;
}
