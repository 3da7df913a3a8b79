// SPDX-License-Identifier: GPL-3.0-or-later
// Vantory's real main window on the catalogue in $XDG_DATA_HOME, dropping the files listed in
// the file named on the command line onto the first category, as a file manager would. The
// crash test runs it and kills it at random moments; it prints "dropping" just before the drop
// and "dropped" once the drop is done, then closes like the user does.

#include "app/Form1.h"
#include "common/Globals.h"
#include "app/DesktopPlatform.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <cstdio>

namespace {

QList<QUrl> listedFiles(const QString& listing) {
    QList<QUrl> urls;
    QFile file(listing);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                urls << QUrl::fromLocalFile(QString::fromUtf8(line));
            }
        }
    }
    return urls;
}

void say(const char* what) {
    std::printf("%s\n", what);
    std::fflush(stdout);
}

// Clicks the first category, then drags the files onto the list's empty space and lets go.
void dropOntoFirstCategory(app::Form1& form, const QList<QUrl>& urls) {
    QTreeWidget* tree = form.TreeView1();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    if (root == nullptr || root->childCount() == 0) {
        say("no category");
        return;
    }
    QTreeWidgetItem* first = root->child(0);
    tree->scrollToItem(first);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(first).center());

    QMimeData data;
    data.setUrls(urls);
    QWidget* viewport = form.ListView1()->viewport();
    const QPoint at = viewport->rect().bottomRight() - QPoint(5, 5);
    const Qt::DropActions offered = Qt::CopyAction | Qt::LinkAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &move);
    say("dropping");
    QDropEvent drop(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &drop);
    say("dropped");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantory"));
    QApplication::setOrganizationName(QStringLiteral("Mellovan"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: drop_and_die <file listing the paths to drop>\n");
        return 2;
    }
    const QList<QUrl> urls = listedFiles(QString::fromLocal8Bit(argv[1]));

    app::DesktopPlatform desktop;
    common::Globals globals;
    app::Form1 form(desktop.services, globals);
    if (!form.Form_Load()) {
        return 1;
    }
    form.show();
    // After start-up's own queued work (the backup), as a user's drop would come.
    QTimer::singleShot(0, &form, [&] {
        dropOntoFirstCategory(form, urls);
        form.close();
    });
    return QApplication::exec();
}
