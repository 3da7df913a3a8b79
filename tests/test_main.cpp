// The one main() for every test: widgets, pixmaps and cursors need a running QApplication.
// CTest sets QT_QPA_PLATFORM=offscreen, so no display is needed.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
