// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/EditorWindow.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/Fonts.h"
#include "common/ImageLists.h"
#include "common/MainHelpers.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace common {

EditorWindow::EditorWindow(CommandContext& context, const QString& objectName,
                           const QString& caption, int widthTwips, int heightTwips)
    : QDialog(context.window.window(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(widthTwips / 15, heightTwips / 15);
    setFont(arialBold(9));
    installEventFilter(this);
    setMouseTracking(true);
}

void EditorWindow::place(QWidget* control, const QString& objectName, const QRect& where) {
    control->setObjectName(objectName);
    control->setGeometry(where);
    // The pointer rule watches every control.
    control->installEventFilter(this);
    control->setMouseTracking(true);
}

QLabel* EditorWindow::addLabel(const QString& objectName, const QString& text, const QRect& where,
                               QWidget* buddy) {
    auto* label = new QLabel(text, this);
    place(label, objectName, where);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* EditorWindow::addText(const QString& objectName, const QString& accessibleName,
                                 const QRect& where, bool readOnly) {
    auto* text = new QLineEdit(this);
    place(text, objectName, where);
    text->setAccessibleName(accessibleName);
    text->setReadOnly(readOnly);
    return text;
}

QPushButton* EditorWindow::addButton(const QString& objectName, const QString& caption,
                                     const QRect& where) {
    auto* button = new QPushButton(caption, this);
    place(button, objectName, where);
    button->setAccessibleName(caption);
    button->setFont(arialBold(11.25));
    // A focused button takes Enter for itself; once focus leaves it, Enter goes back to the
    // save button (the dialog's default), not to whichever button had focus last.
    button->setAutoDefault(true);
    return button;
}

QPushButton* EditorWindow::addSaveButton(const QString& objectName, const QString& caption,
                                         const QRect& where) {
    QPushButton* save = addButton(objectName, caption, where);
    // Enter in a field or an option reaches the dialog, which clicks its default button: the
    // same validation and messages as a click.
    save->setDefault(true);
    return save;
}

ColourSwatch* EditorWindow::addSwatch(const QString& objectName, const QString& accessibleName,
                                      const QRect& where) {
    auto* swatch = new ColourSwatch(this);
    place(swatch, objectName, where);
    swatch->setAccessibleName(accessibleName);
    return swatch;
}

void EditorWindow::finishLoad(const QString& location) {
    platform::Services& services = context_.services;
    Trap trap(services.messages, this, location);
    const QString hand = services.environment.programFolder() + QStringLiteral("/HAND-M.CUR");
    if (trap.test(100, [&] { return Main::FileExists(services.files, hand); })) {
        trap.step(102, [&] { hand_ = services.images.loadCursor(hand); });
    }
    trap.step(104, [&] { Main::ApplyButtonFace(this); });
    trap.step(106, [&] { setWindowIcon(productIcon()); });
}

void EditorWindow::showEvent(QShowEvent* event) {
    // The editor opens in the middle of the screen.
    if (!centred_) {
        centred_ = true;
        if (const QScreen* where = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(where->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        // The hand over push buttons, the arrow elsewhere; never over the hourglass.
        if (cursor().shape() != Qt::WaitCursor) {
            if (qobject_cast<QPushButton*>(watched)) {
                setCursor(hand_.value_or(QCursor(Qt::PointingHandCursor)));
            } else {
                unsetCursor();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace common
