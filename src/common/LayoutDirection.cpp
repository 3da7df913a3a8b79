// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LayoutDirection.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QWidget>

namespace common {

namespace {

// The controls the form names; the parts a control builds itself (a view's scroll bars, a
// list's viewport) are its own to place.
bool isPlacedControl(const QWidget* widget) {
    return !widget->isWindow() && !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(u"qt_");
}

void mirrorChildren(QWidget* parent) {
    if (parent->layout() || qobject_cast<QAbstractScrollArea*>(parent)) {
        return;
    }
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!isPlacedControl(child)) {
            continue;
        }
        child->move(parent->width() - child->x() - child->width(), child->y());
        mirrorChildren(child);
    }
}

} // namespace

void mirrorForLayoutDirection(QWidget* window) {
    if (window->isRightToLeft()) {
        mirrorChildren(window);
    }
}

void resizeKeepingLeadingEdge(QWidget* control, const QSize& size) {
    const int right = control->x() + control->width();
    control->resize(size);
    if (control->isRightToLeft()) {
        control->move(right - control->width(), control->y());
    }
}

QString isolated(const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    return QChar(0x2068) + text + QChar(0x2069); // FIRST STRONG ISOLATE ... POP DIRECTIONAL
}

Qt::LayoutDirection readingDirection(const QString& text, Qt::LayoutDirection window) {
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirL:
            return Qt::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return Qt::RightToLeft;
        default:
            break;
        }
    }
    return window;
}

} // namespace common
