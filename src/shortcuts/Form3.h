// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shortcuts/ShortcutEditor.h"

#include <array>
#include <cstdint>

class QComboBox;
class QRadioButton;

namespace common {
class Trap;
}

namespace shortcuts {

// The shortcut editor: a folder, program, web address or e-mail address with its caption,
// description, parameters, window state and caption colour.
class Form3 : public ShortcutEditor {
    Q_OBJECT

  public:
    explicit Form3(common::CommandContext& context);

    QGroupBox* Frame1() const { return frame1_; }
    // Option1 "Folder", Option2 "Application", Option3 "URL", Option4 "Mail".
    QRadioButton* Option(int number) const { return options_.at(number - 1); }
    QLineEdit* Text5() const { return text5_; }
    QComboBox* Combo1() const { return combo1_; }

    // The kind of the selected kind button.
    std::int16_t selectedKind() const;
    // Selects the kind button of a stored kind, which runs its handler; any other kind leaves
    // the buttons as they are.
    void selectKind(std::int16_t kind);
    // Chooses the "Open As:" entry of a stored window state; -1 chooses none. Throws
    // std::out_of_range for a state the list does not hold.
    void setOpenAs(int state);

    // Turns the editor into the editor of the shortcut in the row. Each field is a step of the
    // edit command's trap: a value the editor cannot show is reported and the rest still load.
    void loadShortcut(const store::ResultSet& rs, common::Trap& trap);

    // The kind handlers.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();

    void PushButton1_Click() override;

  protected:
    void insertRow(store::Connection& db) override;
    void updateRow(store::Connection& db) override;

  private:
    struct KindLayout;
    void applyKind(const KindLayout& layout);
    void Form_Load();

    QGroupBox* frame1_ = nullptr;
    std::array<QRadioButton*, 4> options_{};
    QLineEdit* text5_ = nullptr;
    QComboBox* combo1_ = nullptr;
};

} // namespace shortcuts
