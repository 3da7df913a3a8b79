// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/ShortcutRules.h"

#include "common/InputRules.h"

#include "store/Columns.h"
#include "store/Statements.h"

#include <QList>

#include <QCoreApplication>

namespace shortcuts {

namespace {

bool sameName(store::Connection& db, const std::string& a, const QString& b) {
    return db.compareNames(a, b.toStdString()) == 0;
}

} // namespace

std::optional<QString> inputRefusal(const QString& caption, const QString& description,
                                    const QString& path) {
    return common::firstBrokenRule({
        common::tooLongRule(caption, description),
        {caption.isEmpty(), QT_TRANSLATE_NOOP("Vantory", "Please enter Caption")},
        {path.isEmpty(), QT_TRANSLATE_NOOP("Vantory", "Please enter Folder Path")},
        common::quoteMarkRule(caption, path),
    });
}

bool captionTakenInCategory(store::Connection& db, const QString& caption,
                            const QString& category) {
    store::ResultSet rs =
        store::selectItemInGroup(db, caption.toStdString(), category.toStdString());
    return !rs.eof();
}

bool captionTakenByAnother(store::Connection& db, const QString& caption,
                           const QString& ownCategory, const QString& ownCaption) {
    store::ResultSet rs = store::selectItemsByCaption(db, caption.toStdString());
    for (; !rs.eof(); rs.moveNext()) {
        // The shortcut's own row is the one the update rewrites: a new letter case of its own
        // caption is no clash.
        const bool own = sameName(db, rs.field(store::column::groupcaption).text(), ownCategory) &&
                         sameName(db, rs.field(store::column::itemcaption).text(), ownCaption);
        if (!own) {
            return true;
        }
    }
    return false;
}

} // namespace shortcuts
