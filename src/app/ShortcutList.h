// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PairWidths.h"

#include <QColor>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <optional>

namespace app {

class ShortcutDelegate;

// The shortcut list: large icons in cells of one size, each caption wrapped under its icon.
// The cells are as tall as the category's longest caption needs, up to three lines; a longer
// caption is cut short with "…", shown whole while its entry is selected and as its hover text.
class ShortcutList : public QListWidget {
    Q_OBJECT

  public:
    explicit ShortcutList(QWidget* parent = nullptr);

    // Sizes the cells for these captions: called once per fill, before the entries are added.
    void fitCellsTo(const QStringList& captions);

    // The most lines a caption shows while its entry is not selected.
    static constexpr int kMaxCaptionLines = 3;
    // The caption's width within a cell.
    int captionWidth() const;
    // Where the caption of the entry in `cell` stands, for this many lines.
    QRect captionRect(const QRect& cell, int lines) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    // Draws the entries, also when another delegate wraps it.
    ShortcutDelegate* delegate_;
    PairWidths pairWidths_;
};

// An entry of the shortcut list. Its picture's number and its colour as stored are kept in the
// entry itself, not as values of two more roles: a list of thousands holds much less.
class ShortcutEntry : public QListWidgetItem {
  public:
    // The number of the entry's picture.
    static constexpr int kImageRole = Qt::UserRole + 1;
    // The caption colour as stored, which the one shown is made from for the scheme.
    static constexpr int kStoredColourRole = Qt::UserRole + 2;

    ShortcutEntry(const QIcon& icon, const QString& caption, int image,
                  std::optional<QColor> stored);

    QVariant data(int role) const override;
    void setData(int role, const QVariant& value) override;
    QListWidgetItem* clone() const override;

  private:
    int image_;
    std::optional<QColor> stored_;
};

// Draws an entry of the shortcut list: its icon, and its caption wrapped below it.
class ShortcutDelegate : public QStyledItemDelegate {
  public:
    explicit ShortcutDelegate(ShortcutList* list);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    void setCellSize(QSize size) { cell_ = size; }

  private:
    ShortcutList* list_;
    QSize cell_;
};

} // namespace app
