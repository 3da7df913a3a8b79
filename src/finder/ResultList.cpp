// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/ResultList.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace finder {

ResultList::ResultList(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ResultList::rows() const {
    return model() != nullptr ? model()->rowCount(rootIndex()) : 0;
}

int ResultList::rowHeight() const {
    if (rows() == 0) {
        return 0;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex first = model()->index(0, modelColumn(), rootIndex());
    return itemDelegateForIndex(first)->sizeHint(option, first).height();
}

QRect ResultList::rowRect(int row, int height) const {
    return {0, row * height - verticalScrollBar()->value() * height, viewport()->width(), height};
}

int ResultList::rowsPerPage() const {
    const int height = rowHeight();
    return height > 0 ? std::max(1, viewport()->height() / height) : 1;
}

int ResultList::verticalOffset() const {
    return verticalScrollBar()->value() * rowHeight();
}

QRect ResultList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.column() != modelColumn() || index.row() >= rows()) {
        return {};
    }
    return rowRect(index.row(), rowHeight());
}

QModelIndex ResultList::indexAt(const QPoint& point) const {
    const int height = rowHeight();
    const int y = point.y() + verticalOffset();
    if (height <= 0 || point.x() < 0 || point.x() >= viewport()->width() || y < 0) {
        return {};
    }
    const int row = y / height;
    return row < rows() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

void ResultList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = visualRect(index);
    if (!rect.isValid()) {
        return;
    }
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible) {
        if (area.contains(rect)) {
            viewport()->update(rect);
            return;
        }
        hint = rect.top() < area.top() ? PositionAtTop : PositionAtBottom;
    }
    const int row = index.row();
    const int page = rowsPerPage();
    switch (hint) {
    case PositionAtTop:
        verticalScrollBar()->setValue(row);
        break;
    case PositionAtBottom:
        verticalScrollBar()->setValue(row - page + 1);
        break;
    case PositionAtCenter:
        verticalScrollBar()->setValue(row - page / 2);
        break;
    case EnsureVisible:
        break;
    }
}

void ResultList::doItemsLayout() {
    // Nothing to place: a row's place follows from its number.
    QAbstractItemView::doItemsLayout();
}

void ResultList::updateGeometries() {
    const int count = rows();
    const int height = rowHeight();
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setSingleStep(1);
    if (count > 0 && height > 0 && count * qint64{height} > viewport()->height()) {
        const int page = viewport()->height() / height;
        verticalScrollBar()->setPageStep(page);
        verticalScrollBar()->setRange(0, count - page);
    } else {
        verticalScrollBar()->setPageStep(count + 1);
        verticalScrollBar()->setRange(0, 0);
    }
    QAbstractItemView::updateGeometries();
    // The scroll bar shows or hides with its range now, as a list view's does, rather than
    // once the events queued meanwhile are handled.
    QEvent placeScrollBars(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &placeScrollBars);
}

void ResultList::scrollContentsBy(int dx, int dy) {
    // The scroll bar counts rows.
    viewport()->scroll(dx, dy * rowHeight());
}

QModelIndex ResultList::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int count = rows();
    if (count == 0) {
        return {};
    }
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    int next = row;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        next = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MovePageUp:
        next = row - rowsPerPage();
        break;
    case MovePageDown:
        next = row + rowsPerPage();
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(next, 0, count - 1), modelColumn(), rootIndex());
}

void ResultList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int height = rowHeight();
    const int count = rows();
    QItemSelection selection;
    const QRect area = rect.normalized().intersected(QRect(0, 0, viewport()->width(), INT_MAX / 2));
    if (height > 0 && count > 0 && !area.isEmpty()) {
        const int offset = verticalOffset();
        const int first = std::max(0, (area.top() + offset) / height);
        const int last = std::min(count - 1, (area.bottom() + offset) / height);
        if (first <= last) {
            selection.select(model()->index(first, modelColumn(), rootIndex()),
                             model()->index(last, modelColumn(), rootIndex()));
        }
    }
    selectionModel()->select(selection, command);
}

QRegion ResultList::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() ||
            range.right() < modelColumn()) {
            continue;
        }
        const QRect top = visualRect(model()->index(range.top(), modelColumn(), rootIndex()));
        const QRect bottom = visualRect(model()->index(range.bottom(), modelColumn(), rootIndex()));
        region += (top | bottom).intersected(shown);
    }
    return region;
}

void ResultList::paintEvent(QPaintEvent* event) {
    const int count = rows();
    const int height = rowHeight();
    if (count == 0 || height <= 0) {
        return;
    }
    // The states the list view gives each row it draws.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    QPainter painter(viewport());
    const int offset = verticalOffset();
    const int first = std::max(0, (event->rect().top() + offset) / height);
    const int last = std::min(count - 1, (event->rect().bottom() + offset) / height);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = rowRect(row, height);
        option.state = state;
        if (selectionModel() != nullptr && selectionModel()->isSelected(index)) {
            option.state |= QStyle::State_Selected;
        }
        if (state & QStyle::State_Enabled) {
            QPalette::ColorGroup group = QPalette::Normal;
            if (!(model()->flags(index) & Qt::ItemIsEnabled)) {
                option.state &= ~QStyle::State_Enabled;
                group = QPalette::Disabled;
            }
            option.palette.setCurrentColorGroup(group);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover_);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

bool ResultList::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        hover_ = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

} // namespace finder
