// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

namespace finder {

// A list of rows that are all as high as the first, scrolled a row at a time, which places only
// the rows it shows. A list view places every row whenever its rows change, one by one: for a
// search that finds 100,000 shortcuts that costs more than the search. It draws and behaves as
// the list view does, one row under the other as wide as the list.
class ResultList : public QListView {
  public:
    explicit ResultList(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

  protected:
    void updateGeometries() override;
    int verticalOffset() const override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    int rows() const;
    // Every row's height: the first row's.
    int rowHeight() const;
    // A row's place in the list's viewport, as wide as the list.
    QRect rowRect(int row, int height) const;
    // The rows a full page shows.
    int rowsPerPage() const;

    // The row under the pointer, drawn as the style draws a row the pointer is over.
    QPersistentModelIndex hover_;
};

} // namespace finder
