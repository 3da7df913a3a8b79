// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program on a fresh sample catalogue, presses the category Add and Edit buttons of
// its main window and saves a picture of the group editor each opens, as it shows on screen.
//
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/shoot_group_editor add.png edit.png

#include "app/Form1.h"
#include "common/Globals.h"
#include "app/DesktopPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <deque>

namespace {

// Shows each editor, photographs it once it is on screen, and closes it as Cancel would.
class PhotographingModalWindows : public platform::ModalWindows {
  public:
    explicit PhotographingModalWindows(std::deque<QString> pictures)
        : pictures_(std::move(pictures)) {}

    int showModal(QDialog* window) override {
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            std::fprintf(stderr, "the editor never showed\n");
        }
        QTest::qWait(300);
        if (!pictures_.empty()) {
            const QRect frame = window->frameGeometry();
            const QPixmap shot = window->screen()->grabWindow(0, frame.x(), frame.y(),
                                                              frame.width(), frame.height());
            if (!shot.save(pictures_.front())) {
                std::fprintf(stderr, "cannot save %s\n", qPrintable(pictures_.front()));
                failed = true;
            }
            pictures_.pop_front();
        }
        window->reject();
        return QDialog::Rejected;
    }

    bool failed = false;

  private:
    std::deque<QString> pictures_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s add.png edit.png\n", argv[0]);
        return 2;
    }
    // The program keeps its catalogue under XDG_DATA_HOME: a fresh one for the pictures.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));

    app::DesktopPlatform desktop;
    PhotographingModalWindows modal(
        {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])});
    platform::Services services{desktop.messages,   desktop.files, desktop.environment,
                                desktop.images,     desktop.shell, desktop.dialogs,
                                desktop.settings,   modal,         desktop.entryNames,
                                desktop.targetIcons, desktop.launchCounts};
    common::Globals globals;
    app::Form1 form1(services, globals);
    form1.Form_Load();
    form1.show();

    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitForWindowExposed(&form1)) {
            std::fprintf(stderr, "the main window never showed\n");
        }
        QTest::mouseClick(form1.PushButton(1), Qt::LeftButton);
        // The first category, clicked as the user would, then Edit.
        QTreeWidget* tree = form1.TreeView1();
        QTreeWidgetItem* first = tree->topLevelItem(0)->child(0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(first).center());
        QTest::mouseClick(form1.PushButton(2), Qt::LeftButton);
        QApplication::quit();
    });
    QApplication::exec();
    return modal.failed ? 1 : 0;
}
