// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program on a fresh sample catalogue in one language and saves a picture of each of
// its four windows: the main window, the group editor, the shortcut editor and the
// shortcut-file editor. "pseudo" is the test language made from English, "en" English.
//
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/shoot_windows de docs/windows/de

#include "PseudoLanguage.h"
#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "app/Translations.h"
#include "common/Globals.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <deque>

namespace {

bool save(QWidget* window, const QString& path) {
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Shows each editor, photographs it once it is on screen, and closes it as Cancel would.
class PhotographingModalWindows : public platform::ModalWindows {
  public:
    int showModal(QDialog* window) override {
        window->show();
        (void)QTest::qWaitForWindowExposed(window);
        QTest::qWait(200);
        if (!pictures.empty()) {
            failed |= !save(window, pictures.front());
            pictures.pop_front();
        }
        window->reject();
        return QDialog::Rejected;
    }

    std::deque<QString> pictures;
    bool failed = false;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LANGUAGE PREFIX\n", argv[0]);
        return 2;
    }
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    const QString language = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    pseudo::Translator pseudoLanguage(pseudo::contextsOf(
        QStringLiteral(VANTORY_SOURCE_DIR) + QStringLiteral("/translations/vantory_de.ts")));
    if (language == QLatin1String("pseudo")) {
        QApplication::installTranslator(&pseudoLanguage);
    } else if (language != QLatin1String("en") && app::loadTranslations({language}).isEmpty()) {
        std::fprintf(stderr, "no translation for %s\n", argv[1]);
        return 2;
    }

    app::DesktopPlatform desktop;
    PhotographingModalWindows modal;
    for (const char* window :
         {"-group-editor.png", "-shortcut-editor.png", "-shortcut-file-editor.png"}) {
        modal.pictures.push_back(prefix + QString::fromLatin1(window));
    }
    platform::Services services{
        desktop.messages,   desktop.files,       desktop.environment,  desktop.images,
        desktop.shell,      desktop.dialogs,     desktop.settings,     modal,
        desktop.entryNames, desktop.targetIcons, desktop.launchCounts, desktop.applicationMenu};
    common::Globals globals;
    app::Form1 form1(services, globals);
    form1.Form_Load();
    form1.show();

    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitForWindowExposed(&form1);
        QTreeWidget* tree = form1.TreeView1();
        QTreeWidgetItem* first = tree->topLevelItem(0)->child(0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(first).center());
        QTest::qWait(300);
        modal.failed |= !save(&form1, prefix + QStringLiteral("-main.png"));
        for (int button : {1, 4, 9}) {
            QTest::mouseClick(form1.PushButton(button), Qt::LeftButton);
        }
        QApplication::quit();
    });
    QApplication::exec();
    return modal.failed ? 1 : 0;
}
