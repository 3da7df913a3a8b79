// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/EditorWindow.h"

#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace common {
class ColourSwatch;
}

namespace store {
class ResultSet;
}

namespace groups {

// The group editor: a category's name, description, background picture and text colour. The
// caption of its save button tells the mode: "Add" adds a category, anything else ("Update")
// changes the one named mGroupName. A save that succeeds rebuilds the main window's tree and
// closes the editor; every refusal or failure keeps it open with the input as typed.
class Form2 : public common::EditorWindow {
    Q_OBJECT

  public:
    explicit Form2(common::CommandContext& context);

    // Edit mode: the category's name as stored when the edit began.
    QString mGroupName;

    // The controls, by their names.
    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    // The swatch: its background is the category's text colour.
    common::ColourSwatch* Text4() const { return text4_; }
    QPushButton* PushButton(int number) const { return buttons_.at(number - 1); }
    QLabel* Label1(int index) const { return labels_.at(index); }

    // Turns the editor into the editor of the category in the row: its fields, "Update" and the
    // title "Edit Group".
    void loadGroup(const store::ResultSet& rs);

    // Captions the save button, which decides the mode.
    void setSaveCaption(const QString& caption);
    bool isAddMode() const;

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();

  private:
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    common::ColourSwatch* text4_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    std::array<QLabel*, 4> labels_{};
};

} // namespace groups
