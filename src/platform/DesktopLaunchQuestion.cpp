// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLaunchQuestion.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include <QCoreApplication>

namespace platform {

LaunchAnswer DesktopLaunchQuestion::askToLaunch(QWidget* owner, const QString& caption,
                                                const QString& command) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vantory"),
                    QCoreApplication::translate(
                        "Vantory", "\"%1\" is a desktop entry that is not installed on this "
                                   "computer. It starts this program:\n\n%2\n\nLaunch it only "
                                   "if you trust where it came from.")
                        .arg(caption, command),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* launch =
        box.addButton(QCoreApplication::translate("Vantory", "Launch"), QMessageBox::AcceptRole);
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("Vantory", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    auto* always =
        new QCheckBox(QCoreApplication::translate("Vantory", "Always launch this entry"), &box);
    box.setCheckBox(always);
    box.exec();
    const bool launched = box.clickedButton() == launch;
    return {launched, launched && always->isChecked()};
}

} // namespace platform
