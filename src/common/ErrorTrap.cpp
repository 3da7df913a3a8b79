// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorTrap.h"

#include "common/ErrorText.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <exception>

namespace common {

QString applicationErrorText(const QString& description, const QString& location, int label) {
    // The title with its date stamp and the procedure's name are data, never translated.
    const QString where = QStringLiteral("Vantory2021/08/31.") + location;
    return description + QStringLiteral("\r\n") +
           QCoreApplication::translate("Vantory", "in %1 at line %2")
               .arg(where, QString::number(label)) +
           QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("Vantory", "Please email screenshot of this message to %1")
               .arg(QString::fromLatin1(kSupportAddress));
}

Trap::Trap(platform::MessageBoxes& boxes, QWidget* owner, QString location)
    : boxes_(boxes), owner_(owner), location_(std::move(location)) {}

bool Trap::step(int label, Statement<void> statement) {
    lastLabel_ = label;
    try {
        statement();
        return true;
    } catch (const std::exception& e) {
        report(errorText(e));
    } catch (...) {
        report(QCoreApplication::translate("Vantory", "Unexpected error"));
    }
    return false;
}

bool Trap::test(int label, Statement<bool> condition) {
    bool result = true;
    step(label, [&] { result = condition(); });
    return result;
}

void Trap::report(const QString& description) {
    ++failures_;
    boxes_.show(owner_, applicationErrorText(description, location_, lastLabel_),
                QCoreApplication::translate("Vantory", "Application Error"),
                platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
}

} // namespace common
