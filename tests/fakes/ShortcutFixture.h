// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/EditorInput.h"
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <functional>
#include <optional>
#include <string>

namespace fakes {

// A main window whose shortcut editors are driven by scripts that type and click as a user
// would.
class ShortcutFixture : public Form1Fixture {
  protected:
    // Clicks a main-window button that opens a shortcut editor; the driver sees the editor.
    void openEditor(int button, std::function<void(QDialog*)> driver) {
        platform.modal.drivers.push_back(std::move(driver));
        clickButton(button);
        EXPECT_TRUE(platform.modal.drivers.empty()) << "the editor did not open";
    }

    // The stored shortcut of this caption in the category; none when there is none.
    std::optional<store::ItemRow> row(const std::string& caption,
                                      const std::string& category = "Tools") {
        store::ResultSet rs = store::selectItemInGroup(db(), caption, category);
        if (rs.eof()) {
            return std::nullopt;
        }
        return store::readItemRow(rs);
    }
};

} // namespace fakes
