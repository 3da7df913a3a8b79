// SPDX-License-Identifier: GPL-3.0-or-later
// The one main() for every test: widgets, pixmaps and cursors need a running QApplication.
// Tests run headless unless QT_QPA_PLATFORM asks for a real display.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
