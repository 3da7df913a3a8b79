// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's baseline: a bare Qt program showing a window with the same controls as
// Vantory's main window (a tree, an icon list, nine buttons, two frames, a label), with no
// catalogue behind it. Reports when it is ready exactly as Vantory does.

#include "platform/ReadyReport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(784, 453);
    auto* frame1 = new QGroupBox(QStringLiteral("Categories"), &window);
    frame1->setGeometry(8, 40, 240, 369);
    auto* frame2 = new QGroupBox(QStringLiteral("Shortcuts"), &window);
    frame2->setGeometry(256, 40, 520, 369);
    auto* tree = new QTreeWidget(frame1);
    tree->setGeometry(16, 20, 208, 233);
    tree->setHeaderHidden(true);
    auto* list = new QListWidget(frame2);
    list->setGeometry(24, 20, 488, 233);
    list->setViewMode(QListView::IconMode);
    for (int i = 0; i < 9; ++i) {
        auto* button =
            new QPushButton(QStringLiteral("Button %1").arg(i + 1), i < 3 ? frame1 : frame2);
        button->setGeometry(16, 260 + (i % 3) * 34, 200, 27);
    }
    auto* label = new QLabel(&window);
    label->setGeometry(8, 418, 768, 27);
    platform::reportWhenReady(&window);
    window.show();
    return QApplication::exec();
}
