// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DescriptionLine.h"

#include "common/LayoutDirection.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace app {

namespace {

// A description shows on one line, as far as the window is wide.
QString firstLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

} // namespace

bool DescriptionLine::isCut() const {
    return fontMetrics().horizontalAdvance(firstLine(text())) > contentsRect().width();
}

void DescriptionLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    // The description reads in its own direction, within the window's alignment.
    const QString shown =
        common::isolated(fontMetrics().elidedText(firstLine(text()), Qt::ElideRight, area.width()),
                         layoutDirection());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          palette(), isEnabled(), shown, foregroundRole());
}

bool DescriptionLine::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (isCut()) {
            QToolTip::showText(help->globalPos(),
                               Qt::convertFromPlainText(text(), Qt::WhiteSpaceNormal), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

} // namespace app
