// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "fakes/FakeServices.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    const char* caption;
    QRect pixels;
};

// Positions in pixels: the design's twips divided by 15, relative to the frame for its contents.
const Expected kControls[] = {
    {"PushButton8", "Help", {8, 8, 768, 27}},
    {"Frame1", "Categories", {8, 40, 240, 369}},
    {"TreeView1", "Categories", {16, 20, 208, 233}},
    {"PushButton1", "Add", {16, 260, 208, 27}},
    {"PushButton2", "Edit", {16, 294, 208, 27}},
    {"PushButton3", "Delete", {16, 328, 208, 27}},
    {"Frame2", "Shortcuts To Applications, Folders, URLs or E-mail Addresses", {256, 40, 520, 369}},
    {"ListView1",
     "Shortcuts To Applications, Folders, URLs or E-mail Addresses",
     {24, 20, 488, 233}},
    {"PushButton7", "Launch Selected (Ctrl+L)", {16, 260, 488, 27}},
    {"PushButton4", "Add Shortcut By EXE", {16, 294, 240, 27}},
    {"PushButton9", "Add Shortcut By .lnk", {264, 294, 240, 27}},
    {"PushButton6", "Delete Selected", {16, 328, 240, 27}},
    {"PushButton5", "Edit Selected", {264, 328, 240, 27}},
    {"Label1", "Description", {8, 418, 768, 27}},
};

TEST(Form1Layout, ControlsStandWhereTheWindowPutsThemWithNamesAndCaptions) {
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);

    EXPECT_EQ(form.size(), QSize(784, 453));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(form.font().bold());
    EXPECT_DOUBLE_EQ(form.font().pointSizeF(), 9.0);

    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), e.pixels);
        if (widget == form.Label1()) {
            // The description line is read out by its text; what it is, is its description.
            EXPECT_EQ(widget->accessibleDescription(), QString::fromLatin1(e.caption));
            EXPECT_TRUE(widget->accessibleName().isEmpty());
        } else {
            EXPECT_EQ(widget->accessibleName(), QString::fromLatin1(e.caption));
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromLatin1(e.caption));
            EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 11.25);
            EXPECT_TRUE(button->font().bold());
        }
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), QString::fromLatin1(e.caption));
            EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(Qt::white));
        }
    }
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_TRUE(form.Label1()->autoFillBackground());
    EXPECT_EQ(form.Label1()->palette().color(QPalette::Window), QColor(Qt::white));
    // The frames and the description fill with the window's white through the window's own
    // palette, so that buttons of one size share one palette and the style draws them once.
    for (QWidget* filled : {form.findChild<QWidget*>("Frame1"), form.findChild<QWidget*>("Frame2"),
                            static_cast<QWidget*>(form.Label1())}) {
        SCOPED_TRACE(filled->objectName().toStdString());
        EXPECT_TRUE(filled->autoFillBackground());
        EXPECT_FALSE(filled->testAttribute(Qt::WA_SetPalette));
    }
    const qint64 sameSize = form.PushButton(4)->palette().cacheKey();
    for (int number : {5, 6, 9}) {
        EXPECT_EQ(form.PushButton(number)->size(), form.PushButton(4)->size());
        EXPECT_EQ(form.PushButton(number)->palette().cacheKey(), sameSize) << number;
    }
    EXPECT_DOUBLE_EQ(form.Label1()->font().pointSizeF(), 15.75);
    // Large icons in rows that wrap.
    EXPECT_EQ(form.ListView1()->flow(), QListView::LeftToRight);
    EXPECT_TRUE(form.ListView1()->isWrapping());
    EXPECT_EQ(form.ListView1()->iconSize(), QSize(32, 32));
    EXPECT_EQ(form.TreeView1()->iconSize(), QSize(16, 16));
}

TEST(Form1Layout, TabMovesThroughTreeButtonsListButtonsAndHelpInOrder) {
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);

    const QStringList expected = {"TreeView1",   "PushButton1", "PushButton2", "PushButton3",
                                  "ListView1",   "PushButton4", "PushButton5", "PushButton6",
                                  "PushButton7", "PushButton8", "PushButton9"};
    QStringList seen;
    QWidget* w = form.TreeView1();
    for (int i = 0; i < expected.size(); ++i) {
        seen << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (w->focusPolicy() == Qt::NoFocus || !expected.contains(w->objectName()));
    }
    EXPECT_EQ(seen, expected);
}

} // namespace
