// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/EditorWindow.h"

#include "common/ErrorTrap.h"
#include "common/Fonts.h"
#include "common/ImageLists.h"
#include "common/MainHelpers.h"
#include "common/Messages.h"

#include <QEvent>
#include <QPushButton>
#include <QScreen>

namespace common {

EditorWindow::EditorWindow(CommandContext& context)
    : QDialog(context.window.window(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint),
      context_(context) {
    setModal(true);
    installEventFilter(this);
    setMouseTracking(true);
}

void EditorWindow::prepareControls() {
    applyFormFonts(this);
    // The pointer rule watches every control of the form; Qt's own inner widgets ("qt_...")
    // are left alone.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_")) {
            control->installEventFilter(this);
            control->setMouseTracking(true);
        }
    }
}

void EditorWindow::tell(const QString& text) {
    common::tell(context_.services, context_.globals, this, text);
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

void EditorWindow::writeAndClose(Trap& trap, int writeLabel, Statement<void> write, int showLabel,
                                 Statement<void> show) {
    if (!trap.step(writeLabel, write)) {
        return;
    }
    trap.step(showLabel, show);
    accept();
}

} // namespace common
