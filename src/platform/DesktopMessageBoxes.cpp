// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopMessageBoxes.h"

#include <QMessageBox>
#include <QShowEvent>

namespace platform {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A message box over a window that is not shown yet (at start-up) opens in the middle of where
// that window will open. Qt places it by that window too, but on X11 it shifts the box by window
// frames it only guesses.
class MessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        // The box takes its final size and Qt's place here.
        QMessageBox::showEvent(event);
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (owner && !owner->isVisible() && !event->spontaneous()) {
            QRect place = frameGeometry();
            place.moveCenter(owner->geometry().center());
            move(place.topLeft());
        }
    }
};

} // namespace

MessageAnswer DesktopMessageBoxes::show(QWidget* owner, const QString& text, const QString& title,
                                        MessageButtons buttons, MessageIcon icon) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MessageBox box(toQt(icon), title, shown,
                   buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                    : QMessageBox::Ok,
                   owner);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace platform
