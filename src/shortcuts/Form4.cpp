// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/Form4.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/MainHelpers.h"
#include "common/QtColour.h"
#include "common/Twips.h"
#include "store/Statements.h"

#include <QLineEdit>
#include <QPushButton>

namespace shortcuts {

using common::twipsRect;

namespace {

EditorPlaces form4Places() {
    return {twipsRect(120, 60, 690, 225),    twipsRect(120, 300, 7800, 345),
            twipsRect(120, 780, 1020, 225),  twipsRect(120, 1020, 7800, 345),
            twipsRect(120, 1500, 1005, 225), twipsRect(120, 1740, 6960, 345),
            twipsRect(7200, 1740, 720, 345), twipsRect(120, 2220, 7800, 855),
            twipsRect(240, 300, 3600, 405),  twipsRect(3960, 300, 3600, 405),
            twipsRect(120, 3180, 3840, 405), twipsRect(4080, 3180, 3840, 405)};
}

} // namespace

Form4::Form4(common::CommandContext& context)
    : ShortcutEditor(context, QStringLiteral("Form4"), 8040, 3750, form4Places()) {
    const QList<QWidget*> order = {Text1(),       Text2(),       Text3(), PushButton1(),
                                   PushButton3(), PushButton4(), Text4(), PushButton2()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    Text1()->setFocus();
    finishLoad(QStringLiteral("Form4.Form_Load"));
}

void Form4::PushButton1_Click() {
    platform::Services& services = context().services;
    common::Trap trap(services.messages, this, QStringLiteral("Form4.PushButton1_Click"));
    QString path;
    trap.step(100, [&] {
        path =
            services.dialogs.openFile(this, QStringLiteral("Select Application Shortcut File"),
                                      QStringLiteral("Application Shortcut Files (*.lnk)|*.lnk|"));
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
