// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TargetIcons.h"

#include <QFrame>
#include <cstddef>

class QLineEdit;
class QListWidget;

namespace finder {

class FinderIndex;

// The finder: a small popup over the main window with a one-line field and below it the best
// ten shortcuts of the whole catalogue for what is typed there. Enter or a click on a row
// launches the shortcut, Alt+Enter shows it in the window, Escape or a click elsewhere closes.
class Finder : public QFrame {
    Q_OBJECT

  public:
    static constexpr std::size_t kMaxRows = 10;
    // Rows carry the number of their shortcut in the index; "No shortcut matches." carries none.
    static constexpr int kShortcutRole = Qt::UserRole + 1;
    static constexpr int kDetailRole = Qt::UserRole + 2;

    // Shows the shortcuts found with the pictures the list shows them with.
    Finder(QWidget* window, platform::TargetIcons& icons);

    // Shows the finder over its window with `text` in the field.
    void open(const QString& text);
    // The index to search, none while it is being built; the results follow at once.
    void setIndex(FinderIndex* index);

    QLineEdit* field() const { return field_; }
    QListWidget* results() const { return results_; }

  Q_SIGNALS:
    // A row was chosen: to be launched, or only shown. The finder has closed.
    void chosen(std::size_t shortcut, bool launch);
    // The finder has closed.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    platform::TargetIcons& icons_;
    void search();
    void choose(bool launch);
    void moveSelection(int step);
    void fitHeight();

    QLineEdit* field_ = nullptr;
    QListWidget* results_ = nullptr;
    FinderIndex* index_ = nullptr;
};

} // namespace finder
