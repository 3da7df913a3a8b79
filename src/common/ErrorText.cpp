// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorText.h"

#include <QCoreApplication>

namespace common {

QString translated(const store::Message& message) {
    if (message.text == nullptr) {
        return QString::fromStdString(message.english());
    }
    // Filled as the store fills its English, in one pass: a value that holds "%2" stays as it is.
    const QByteArray text = QCoreApplication::translate("Vantory", message.text).toUtf8();
    return QString::fromStdString(store::Message{text.constData(), message.arguments}.english());
}

QString errorText(const std::exception& error) {
    if (const auto* failure = dynamic_cast<const store::StoreError*>(&error);
        failure != nullptr && failure->message().text != nullptr) {
        return translated(failure->message());
    }
    return QString::fromStdString(error.what());
}

} // namespace common
