// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's message boxes: texts as given, and their place over a window not yet shown.

#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
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

// The question before an entry runs names it and its program, with Cancel the default; a
// command of any length scrolls in its field and leaves the buttons on the screen.
TEST(DesktopLaunchQuestion, NamesTheEntryAndItsProgramAndCancelIsTheDefault) {
    QString tall = "env";
    for (int i = 0; i < 300; ++i) {
        tall += "\nA" + QString::number(i) + "=x";
    }
    for (const QString& command : {QString("sh x"), tall}) {
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || !answerer.isActive()) {
                return;
            }
            answerer.stop();
            auto* field = box->findChild<QPlainTextEdit*>("command");
            ASSERT_NE(field, nullptr);
            EXPECT_TRUE(field->isReadOnly());
            EXPECT_EQ(field->toPlainText(), command);
            QStringList texts;
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                EXPECT_TRUE(label->text().isEmpty() || label->textFormat() == Qt::PlainText);
                texts << label->text();
            }
            EXPECT_TRUE(texts.join("|").contains("\"<b>Photos</b>\""));
            EXPECT_LE(box->height(), 400) << "the buttons stay on the screen";
            QPushButton* launch = nullptr;
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                EXPECT_EQ(button->isDefault(), button->text() == "Cancel");
                launch = button->text() == "Launch" ? button : launch;
            }
            ASSERT_NE(launch, nullptr);
            auto* always = box->findChild<QCheckBox*>();
            QTest::mouseClick(always, Qt::LeftButton, {}, QPoint(8, always->height() / 2));
            QTest::mouseClick(launch, Qt::LeftButton);
        });
        answerer.start(10);
        platform::DesktopLaunchQuestion question;
        EXPECT_EQ(question.askToLaunch(nullptr, "<b>Photos</b>", command),
                  (platform::LaunchAnswer{true, true}));
    }
}

} // namespace
