// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/TargetIcons.h"

#include <QFrame>
#include <cstddef>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;

namespace finder {

class FinderIndex;

class FinderResults;

// The finder: a panel over the top of the main window, part of it, with a one-line field, the
// number of shortcuts found and below them every one of them, best first, in a list that
// scrolls. Enter or a click on a row launches the shortcut (the window adds Ctrl+L), Alt+Enter
// shows it in the window, Escape or a click elsewhere in the window closes it; that click still
// does what it does.
class Finder : public QFrame {
    Q_OBJECT

  public:
    // Rows the list shows at most before it scrolls.
    static constexpr int kVisibleRows = 10;

    // Shows the shortcuts found with the pictures the list shows them with, marked where `files`
    // says their targets are missing.
    Finder(QWidget* window, platform::TargetIcons& icons, platform::FileSystem& files);

    // Shows the finder over its window with `text` in the field.
    void open(const QString& text);
    // The index to search, none while it is being built; the results follow at once.
    void setIndex(FinderIndex* index);

    // Launches, or only shows, the row chosen, and closes; nothing when none is chosen.
    void choose(bool launch);

    QLineEdit* field() const { return field_; }
    QLabel* count() const { return count_; }
    QListView* results() const { return results_; }
    FinderResults* found() const { return found_; }

  Q_SIGNALS:
    // A row was chosen: to be launched, or only shown. The finder has closed.
    void chosen(std::size_t shortcut, bool launch);
    // The finder has closed.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void search();
    void moveSelection(int step);
    // Places the panel at the top of its window, as high as its rows need and the window allows.
    void place();
    bool takeKey(const QKeyEvent& key);
    void announceCurrentRow();

    QLineEdit* field_ = nullptr;
    QLabel* count_ = nullptr;
    QListView* results_ = nullptr;
    FinderResults* found_ = nullptr;
    FinderIndex* index_ = nullptr;
};

} // namespace finder
