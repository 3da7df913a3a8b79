#pragma once

#include <QKeyEvent>
#include <QTreeWidget>

namespace app {

// The category tree. A node click is the user's doing: a click on a node, or a move of the
// selection with the keyboard. Selecting a node from code is not one, so the tree tells its
// keyboard moves apart from every other change of the current node.
class CategoryTree : public QTreeWidget {
    Q_OBJECT

  public:
    using QTreeWidget::QTreeWidget;

  Q_SIGNALS:
    void movedByKeyboard(QTreeWidgetItem* node);

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        if (currentItem() != nullptr && currentItem() != before) {
            Q_EMIT movedByKeyboard(currentItem());
        }
    }
};

} // namespace app
