// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/ShortcutRules.h"

#include "common/InputRules.h"
#include "common/NameRule.h"
#include "store/Statements.h"

#include <QCoreApplication>

namespace shortcuts {

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
    return common::heldByAnother(
        db, store::selectItemInGroup(db, caption.toStdString(), category.toStdString()));
}

bool captionTakenByAnother(store::Connection& db, const QString& caption,
                           const QString& ownCategory, const QString& ownCaption) {
    // The shortcut's own row is the one the update rewrites.
    return common::heldByAnother(
        db, store::selectItemsByCaption(db, caption.toStdString()),
        common::RenamedRow{ownCategory.toStdString(), ownCaption.toStdString()});
}

} // namespace shortcuts
