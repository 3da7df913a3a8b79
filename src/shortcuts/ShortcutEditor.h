// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/EditorWindow.h"

#include <QMap>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace common {
class ColourSwatch;
}

namespace store {
class Connection;
class ResultSet;
} // namespace store

namespace shortcuts {

// What the shortcut editor and the shortcut-file editor share: caption, description and target
// fields, the browse button, the font colour frame, the save and cancel buttons, and the save
// itself. The window is in add mode while its save button reads "Add".
class ShortcutEditor : public common::EditorWindow {
    Q_OBJECT

  public:
    // The category the shortcut belongs to.
    QString mGroupSelected;
    // In edit mode: the caption of the shortcut as stored when the editor opened.
    QString mItemCaption;

    QLabel* Label1(int index) const { return labels_.value(index); }
    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    common::ColourSwatch* Text4() const { return text4_; }
    QGroupBox* Frame2() const { return frame2_; }
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QPushButton* PushButton3() const { return pushButton3_; }
    QPushButton* PushButton4() const { return pushButton4_; }

    bool isAddMode() const;
    // Turns a freshly loaded editor into the editor of an existing shortcut.
    void showAsEdit();

    // Browse for the target.
    virtual void PushButton1_Click() = 0;
    // Pick the caption colour.
    void PushButton2_Click();
    // Test the input, write the shortcut, reload the list and close.
    void PushButton3_Click();
    // Close without saving.
    void PushButton4_Click();

  protected:
    explicit ShortcutEditor(common::CommandContext& context);

    // Takes the controls both editors have from the form just set up (by their names), widens
    // their labels as their captions need and connects the buttons.
    void takeSharedControls();
    // Gives a control a new caption and widens it when the caption needs more room.
    static void setCaption(QLabel* label, const QString& text);
    // The row each mode writes.
    virtual void insertRow(store::Connection& db) = 0;
    virtual void updateRow(store::Connection& db) = 0;

  private:
    QMap<int, QLabel*> labels_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    common::ColourSwatch* text4_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QPushButton* pushButton1_ = nullptr;
    QPushButton* pushButton2_ = nullptr;
    QPushButton* pushButton3_ = nullptr;
    QPushButton* pushButton4_ = nullptr;
};

} // namespace shortcuts
