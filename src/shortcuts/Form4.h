// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shortcuts/ShortcutEditor.h"

namespace common {
class Trap;
}

namespace shortcuts {

// The shortcut-file editor: a shortcut whose target is a shortcut file the desktop shell opens.
// It always saves kind 5, window state 0 and the parameters " ".
class Form4 : public ShortcutEditor {
    Q_OBJECT

  public:
    explicit Form4(common::CommandContext& context);

    // Turns the editor into the editor of the shortcut in the row, each field a step of the edit
    // command's trap.
    void loadShortcut(const store::ResultSet& rs, common::Trap& trap);

    void PushButton1_Click() override;

  protected:
    void insertRow(store::Connection& db) override;
    void updateRow(store::Connection& db) override;
};

} // namespace shortcuts
