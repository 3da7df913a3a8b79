// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/DropHighlight.h"

#include <QListWidget>
#include <QPainter>

namespace dragdrop {

QListWidgetItem* dropHighlighted(const QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* entry = list->item(row);
        if (entry->data(kDropHighlightRole).toBool()) {
            return entry;
        }
    }
    return nullptr;
}

void setDropHighlight(QListWidget* list, QListWidgetItem* entry) {
    QListWidgetItem* before = dropHighlighted(list);
    if (before != entry) {
        if (before) {
            before->setData(kDropHighlightRole, QVariant());
        }
        if (entry) {
            entry->setData(kDropHighlightRole, true);
        }
    }
    list->viewport()->update();
}

void DropHighlightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    entries_->paint(painter, option, index);
    if (!index.data(kDropHighlightRole).toBool()) {
        return;
    }
    // A translucent wash with a firm outline, so that it reads apart from the selection.
    QColor colour = option.palette.color(QPalette::Active, QPalette::Highlight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5);
    painter->setPen(QPen(colour, 2));
    colour.setAlpha(60);
    painter->setBrush(colour);
    painter->drawRoundedRect(box, 4, 4);
    painter->restore();
}

} // namespace dragdrop
