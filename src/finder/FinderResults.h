// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/TargetIcons.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <cstddef>
#include <optional>

namespace common {
class MissingTargets;
}

namespace finder {

class FinderIndex;

// Every shortcut the last search found, in rank order, as the finder's list shows them. A row
// is made only when the list asks for it, that is when it shows: a search that finds thousands
// costs the few rows on screen. A row whose target is missing shows it as the list does, once
// the file system has answered beside the window's thread.
class FinderResults : public QAbstractListModel {
  public:
    // Rows carry the number of their shortcut in the index and a second line of detail.
    static constexpr int kShortcutRole = Qt::UserRole + 1;
    static constexpr int kDetailRole = Qt::UserRole + 2;

    FinderResults(platform::TargetIcons& icons, platform::FileSystem& files, QObject* parent);

    // Asks again, as rows are next shown, whether their targets are there.
    void checkTargetsAgain();

    // Shows the `total` matches of the index's last search; none without an index.
    void showFound(FinderIndex* index, std::size_t total);
    // The shortcut of a row, by its number in the index.
    std::optional<std::size_t> shortcutAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    struct Row {
        std::size_t shortcut = 0;
        QString caption;
        QString detail;
        QString spoken;
        QIcon picture;
        bool markedMissing = false;
    };
    const Row& row(int place) const;
    // Marks the rows made so far whose targets the file system has since said are missing.
    void markMissingRows();

    platform::TargetIcons& icons_;
    common::MissingTargets* missing_ = nullptr;
    FinderIndex* index_ = nullptr;
    std::size_t total_ = 0;
    // The rows made so far for this search.
    mutable QHash<int, Row> made_;
};

} // namespace finder
