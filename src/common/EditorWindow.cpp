#include "common/EditorWindow.h"

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

QLabel* EditorWindow::addLabel(const QString& objectName, const QString& text, const QRect& place,
                               QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setBuddy(buddy);
    label->installEventFilter(this);
    label->setMouseTracking(true);
    return label;
}

QLineEdit* EditorWindow::addText(const QString& objectName, const QString& accessibleName,
                                 const QRect& place, bool readOnly) {
    auto* text = new QLineEdit(this);
    text->setObjectName(objectName);
    text->setAccessibleName(accessibleName);
    text->setGeometry(place);
    text->setReadOnly(readOnly);
    text->installEventFilter(this);
    text->setMouseTracking(true);
    return text;
}

QPushButton* EditorWindow::addButton(const QString& objectName, const QString& caption,
                                     const QRect& place) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    button->setGeometry(place);
    button->setFont(arialBold(11.25));
    // Enter in a field does not press whichever button had focus last.
    button->setAutoDefault(false);
    button->installEventFilter(this);
    button->setMouseTracking(true);
    return button;
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
