// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LayoutDirection.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QWidget>

#include <optional>

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

namespace {

std::optional<Qt::LayoutDirection> firstStrongDirection(const QString& text) {
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
    return std::nullopt;
}

} // namespace

QString isolated(const QString& text, Qt::LayoutDirection window) {
    // A text that reads the window's way already, or has no strong character in a window read
    // from the left (the isolate would read it from the left), is drawn the same without the
    // marks. Fonts have no glyph for them, and the first text with one sends the text engine
    // through every fallback font the system has.
    const std::optional<Qt::LayoutDirection> own = firstStrongDirection(text);
    if (text.isEmpty() || own.value_or(Qt::LeftToRight) == window) {
        return text;
    }
    return QChar(0x2068) + text + QChar(0x2069); // FIRST STRONG ISOLATE ... POP DIRECTIONAL
}

Qt::LayoutDirection readingDirection(const QString& text, Qt::LayoutDirection window) {
    return firstStrongDirection(text).value_or(window);
}

} // namespace common
