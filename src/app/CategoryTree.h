// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/LayoutDirection.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeWidget>

namespace app {

// The category tree. A node click is the user's doing: a click on a node, or a move of the
// selection with the keyboard. Selecting a node from code is not one, so the tree tells its
// keyboard moves apart from every other change of the current node.
class CategoryTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit CategoryTree(QWidget* parent = nullptr) : QTreeWidget(parent) {
        setItemDelegate(new NameDelegate(this));
    }

  Q_SIGNALS:
    void movedByKeyboard(QTreeWidgetItem* node);

  protected:
    // A name cut short at the tree's edge has itself as its hover text.
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) {
            return QTreeWidget::viewportEvent(event);
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && isCut(index)) {
            QToolTip::showText(
                help->globalPos(),
                Qt::convertFromPlainText(index.data().toString(), Qt::WhiteSpaceNormal), viewport(),
                visualRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }

    void keyPressEvent(QKeyEvent* event) override {
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        if (currentItem() != nullptr && currentItem() != before) {
            Q_EMIT movedByKeyboard(currentItem());
        }
    }

  private:
    // Each name reads in its own direction, in the tree's alignment.
    class NameDelegate : public QStyledItemDelegate {
      public:
        using QStyledItemDelegate::QStyledItemDelegate;

      protected:
        void initStyleOption(QStyleOptionViewItem* option,
                             const QModelIndex& index) const override {
            QStyledItemDelegate::initStyleOption(option, index);
            option->text = common::isolated(option->text, option->direction);
        }
    };

    bool isCut(const QModelIndex& index) const {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualRect(index);
        option.text = index.data(Qt::DisplayRole).toString();
        option.features |= QStyleOptionViewItem::HasDisplay;
        if (const QVariant picture = index.data(Qt::DecorationRole); picture.isValid()) {
            option.features |= QStyleOptionViewItem::HasDecoration;
            option.icon = picture.value<QIcon>();
        }
        const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
        return option.fontMetrics.horizontalAdvance(option.text) > text.width() ||
               text.right() > viewport()->width();
    }
};

} // namespace app
