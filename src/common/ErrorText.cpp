// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorText.h"

#include <QCoreApplication>

namespace common {

QString translated(const store::Message& message) {
    if (message.text == nullptr) {
        return QString::fromStdString(message.english());
    }
    // In one pass, as the store fills its English: a value that holds "%2" stays as it is.
    const QString text = QCoreApplication::translate("Vantory", message.text);
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = i + 1 < text.size() ? text.at(i + 1).digitValue() : -1;
        if (text.at(i) == u'%' && n >= 1 &&
            static_cast<std::size_t>(n) <= message.arguments.size()) {
            filled += QString::fromStdString(message.arguments[static_cast<std::size_t>(n) - 1]);
            ++i;
        } else {
            filled += text.at(i);
        }
    }
    return filled;
}

QString errorText(const std::exception& error) {
    if (const auto* failure = dynamic_cast<const store::StoreError*>(&error);
        failure != nullptr && failure->message().text != nullptr) {
        return translated(failure->message());
    }
    return QString::fromStdString(error.what());
}

} // namespace common
