// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's message boxes: texts as given, and their place over a window not yet shown.

#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Shows a box and hands it, open, to `look` before answering it with its default button.
platform::MessageAnswer showAndLook(QWidget* owner, const QString& text,
                                    platform::MessageButtons buttons,
                                    const std::function<void(QMessageBox*)>& look) {
    bool seen = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !seen) {
            seen = true;
            look(box);
            box->done(buttons == platform::MessageButtons::YesNo ? QMessageBox::Yes
                                                                 : QMessageBox::Ok);
        }
    });
    closer.start(10);
    platform::DesktopMessageBoxes boxes;
    const platform::MessageAnswer answer =
        boxes.show(owner, text, "Vantory", buttons, platform::MessageIcon::None);
    EXPECT_TRUE(seen) << "the box never opened";
    return answer;
}

TEST(DesktopMessageBoxes, ShowNamesAsTypedInTheMiddleOfTheirHiddenOwner) {
    QWidget owner;
    owner.setGeometry(120, 90, 500, 300);
    ASSERT_FALSE(owner.isVisible());

    QRect place;
    // A name, and a text long enough to wrap, as the start-up's messages about paths are.
    const QString name = "<b>Games</b> & <img src=\"/some/file\">";
    const QString text =
        "Delete " + name + "? " + QString("Its shortcuts go with it. ").repeated(6);
    const auto answer = showAndLook(&owner, text + "\r\nSure?", platform::MessageButtons::YesNo,
                                    [&](QMessageBox* box) {
                                        EXPECT_EQ(box->textFormat(), Qt::PlainText);
                                        EXPECT_EQ(box->text(), text + "\nSure?");
                                        auto* shown = box->findChild<QLabel*>("qt_msgbox_label");
                                        ASSERT_NE(shown, nullptr);
                                        EXPECT_EQ(shown->textFormat(), Qt::PlainText);
                                        place = box->frameGeometry();
                                    });
    EXPECT_EQ(answer, platform::MessageAnswer::Yes);
    EXPECT_LE((place.center() - owner.geometry().center()).manhattanLength(), 2)
        << place.center().x() << "," << place.center().y();
}

// The question before an entry runs names it and its program, with Cancel the default.
TEST(DesktopLaunchQuestion, NamesTheEntryAndItsProgramAndCancelIsTheDefault) {
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && answerer.isActive()) {
            answerer.stop();
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_TRUE(box->text().contains("\"<b>Photos</b>\"") && box->text().contains("sh x"));
            EXPECT_EQ(box->defaultButton()->text(), "Cancel");
            QTest::mouseClick(box->checkBox(), Qt::LeftButton);
            QTest::mouseClick(box->buttons()[0], Qt::LeftButton);
        }
    });
    answerer.start(10);
    platform::DesktopLaunchQuestion question;
    EXPECT_EQ(question.askToLaunch(nullptr, "<b>Photos</b>", "sh x"),
              (platform::LaunchAnswer{true, true}));
}

} // namespace
