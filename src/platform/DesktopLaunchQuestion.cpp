// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLaunchQuestion.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include <QCoreApplication>

namespace platform {

namespace {

// The most lines of the command shown at once, and the most characters of the entry's name: a
// name or command of any length leaves the question on the screen.
constexpr int kCommandLines = 8;
constexpr qsizetype kNameKept = 60; // at either end

QString shortName(const QString& caption) {
    if (caption.size() <= 2 * kNameKept + 1)
        return caption;
    return caption.left(kNameKept) + QChar(0x2026) + caption.right(kNameKept);
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

LaunchAnswer DesktopLaunchQuestion::askToLaunch(QWidget* owner, const QString& caption,
                                                const QString& command) {
    QDialog box(owner);
    box.setWindowTitle(QStringLiteral("Vantory"));
    box.setModal(true);
    auto* picture = new QLabel(&box);
    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    picture->setPixmap(
        box.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &box).pixmap(iconSize));
    picture->setAlignment(Qt::AlignTop);

    auto* field = new QPlainTextEdit(command, &box);
    field->setObjectName(QStringLiteral("command"));
    field->setReadOnly(true);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setTabChangesFocus(true);
    const int lines =
        std::clamp(static_cast<int>(command.count(QLatin1Char('\n'))) + 1, 1, kCommandLines);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * lines +
                          2 * (field->frameWidth() + int(field->document()->documentMargin())) + 2);

    auto* always =
        new QCheckBox(QCoreApplication::translate("Vantory", "Always launch this entry"), &box);
    auto* buttons = new QDialogButtonBox(&box);
    buttons->addButton(QCoreApplication::translate("Vantory", "Launch"),
                       QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QCoreApplication::translate("Vantory", "Cancel"),
                                             QDialogButtonBox::RejectRole);
    cancel->setDefault(true);
    cancel->setFocus();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto* text = new QVBoxLayout;
    text->addWidget(plainLabel(
        QCoreApplication::translate("Vantory", "\"%1\" is a desktop entry that is not installed "
                                               "on this computer. It starts this program:")
            .arg(shortName(caption)),
        &box));
    text->addWidget(field);
    text->addWidget(plainLabel(
        QCoreApplication::translate("Vantory", "Launch it only if you trust where it came from."),
        &box));
    text->addWidget(always);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(top);
    layout->addWidget(buttons);
    box.resize(std::max(box.sizeHint().width(), 480), box.sizeHint().height());

    const bool launched = box.exec() == QDialog::Accepted;
    return {launched, launched && always->isChecked()};
}

} // namespace platform
