// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QListWidget;
class QListWidgetItem;

namespace dragdrop {

// The entry a drag hovers over is marked with this item role; at most one entry carries it.
inline constexpr int kDropHighlightRole = Qt::UserRole + 40;

// The list's drop-highlighted entry, or none.
QListWidgetItem* dropHighlighted(const QListWidget* list);
// Makes an entry the drop-highlighted one (none clears the mark) and repaints the list.
void setDropHighlight(QListWidget* list, QListWidgetItem* entry);

// Draws the drop highlight over an entry, which Qt's views have no notion of. The entry itself is
// drawn and measured by the list's own delegate.
class DropHighlightDelegate : public QStyledItemDelegate {
  public:
    DropHighlightDelegate(QAbstractItemDelegate* entries, QObject* parent)
        : QStyledItemDelegate(parent), entries_(entries) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return entries_->sizeHint(option, index);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    QAbstractItemDelegate* entries_;
};

} // namespace dragdrop
