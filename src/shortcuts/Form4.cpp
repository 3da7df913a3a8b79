// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/Form4.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/LayoutDirection.h"
#include "common/MainHelpers.h"
#include "common/QtColour.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "ui_Form4.h"

#include <QLineEdit>
#include <QPushButton>

#include <QCoreApplication>

namespace shortcuts {

Form4::Form4(common::CommandContext& context) : ShortcutEditor(context) {
    Ui::Form4 form;
    form.setupUi(this);
    common::mirrorForLayoutDirection(this);
    takeSharedControls();
    Text1()->setFocus();
    finishLoad(QStringLiteral("Form4.Form_Load"));
}

void Form4::loadShortcut(const store::ResultSet& rs, common::Trap& trap) {
    const auto text = [&rs](const char* column) { return common::fieldText(rs, column); };
    trap.step(110, [&] { mGroupSelected = text(store::column::groupcaption); });
    trap.step(112, [&] { mItemCaption = text(store::column::itemcaption); });
    trap.step(114, [&] { Text1()->setText(text(store::column::itemcaption)); });
    trap.step(116, [&] { Text2()->setText(text(store::column::itemdescription)); });
    trap.step(118, [&] { Text3()->setText(text(store::column::itempath)); });
    trap.step(120, [&] {
        Text4()->setColour(
            common::colourFromCode(rs.field(store::column::itemtextcolor).toInt32()));
    });
    trap.step(122, [&] { showAsEdit(); });
}

void Form4::PushButton1_Click() {
    platform::Services& services = context().services;
    common::Trap trap(services.messages, this, QStringLiteral("Form4.PushButton1_Click"));
    QString path;
    trap.step(100, [&] {
        path = services.dialogs.openFile(
            this, QCoreApplication::translate("Vantory", "Select Application Shortcut File"),
            QCoreApplication::translate("Vantory", "Application Shortcut Files (*.lnk)|*.lnk|"));
    });
    if (path.isEmpty()) {
        return;
    }
    trap.step(104, [&] { Text3()->setText(path); });
    // A desktop entry is known by the name it gives itself; any other file by its file name.
    trap.step(106, [&] {
        const QString name = services.entryNames.displayName(path).value_or(
            Main::StripExtension(Main::FileNameFromPath(path)));
        Text1()->setText(name);
        Text2()->setText(name);
    });
}

void Form4::insertRow(store::Connection& db) {
    store::insertShortcutFileItem(db, mGroupSelected.toStdString(), Text1()->text().toStdString(),
                                  Text2()->text().toStdString(), Text3()->text().toStdString(),
                                  common::codeFromColour(Text4()->colour()));
}

void Form4::updateRow(store::Connection& db) {
    store::updateShortcutFileItem(db, mItemCaption.toStdString(), mGroupSelected.toStdString(),
                                  Text1()->text().toStdString(), Text2()->text().toStdString(),
                                  Text3()->text().toStdString(),
                                  common::codeFromColour(Text4()->colour()));
}

} // namespace shortcuts
