// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace finder {

// Draws a row of the finder's results: the shortcut's picture, its caption, and below it in a
// smaller, lighter line its category and target, every text as plain text.
class FinderRow : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kPicture = 32;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The smaller font of the second line.
    static QFont detailFont(const QFont& font);
};

} // namespace finder
