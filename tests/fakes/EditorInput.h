// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

// Drives an editor window as a user would: typing into its fields, choosing from its lists and
// clicking its buttons, each found by its control name.
namespace fakes {

template <class Control> Control* control(QDialog* editor, const QString& name) {
    auto* found = editor->findChild<Control*>(name);
    if (!found) {
        ADD_FAILURE() << "no control " << name.toStdString() << " in "
                      << editor->objectName().toStdString();
    }
    return found;
}

inline QLineEdit* field(QDialog* editor, const QString& name) {
    return control<QLineEdit>(editor, name);
}

inline QString textOf(QDialog* editor, const QString& name) {
    QLineEdit* box = field(editor, name);
    return box ? box->text() : QString();
}

// Empties a field and types the text into it, one character (code point) at a time.
inline void type(QDialog* editor, const QString& name, const QString& text) {
    QLineEdit* box = field(editor, name);
    if (!box) {
        return;
    }
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const char32_t c : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
    }
}

// Clicks a push button or an option button in its middle.
inline void click(QDialog* editor, const QString& name) {
    if (auto* button = control<QAbstractButton>(editor, name)) {
        EXPECT_TRUE(button->isVisible() && button->isEnabled()) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Chooses an entry of a drop-down list with the arrow keys.
inline void choose(QDialog* editor, const QString& name, const QString& entry) {
    QComboBox* list = control<QComboBox>(editor, name);
    if (!list) {
        return;
    }
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != entry; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    EXPECT_EQ(list->currentText(), entry);
}

} // namespace fakes
