// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/InputRules.h"

#include "common/FieldLength.h"

#include <QCoreApplication>

namespace common {

InputRule tooLongRule(const QString& first, const QString& second) {
    return {isTooLong(first) || isTooLong(second),
            QT_TRANSLATE_NOOP("Vantory", "Field input too long.")};
}

InputRule quoteMarkRule(const QString& first, const QString& second) {
    return {first.contains(u'\'') || second.contains(u'\''),
            QT_TRANSLATE_NOOP("Vantory", "Please do not use quote marks.")};
}

std::optional<QString> firstBrokenRule(std::initializer_list<InputRule> rules) {
    for (const InputRule& rule : rules) {
        if (rule.broken) {
            return QCoreApplication::translate("Vantory", rule.message);
        }
    }
    return std::nullopt;
}

} // namespace common
