// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderResults.h"

#include "common/ImageLists.h"
#include "common/MissingTargets.h"
#include "common/ShortcutIcon.h"
#include "finder/FinderIndex.h"

#include <stdexcept>

namespace finder {

namespace {

// A shortcut's picture, as the list shows it; one of a kind without a picture shows the
// computer's.
QIcon pictureOf(platform::TargetIcons& icons, std::int16_t kind, const QString& path) {
    try {
        return common::shortcutIcon(icons, kind, path, common::kindPicture(kind));
    } catch (const std::out_of_range&) {
        return common::imageListIcon(1);
    }
}

} // namespace

FinderResults::FinderResults(platform::TargetIcons& icons, platform::FileSystem& files,
                             QObject* parent)
    : QAbstractListModel(parent), icons_(icons), missing_(new common::MissingTargets(files, this)) {
    connect(missing_, &common::MissingTargets::answered, this, [this] { markMissingRows(); });
}

void FinderResults::checkTargetsAgain() {
    missing_->forget();
}

void FinderResults::markMissingRows() {
    for (auto made = made_.begin(); made != made_.end(); ++made) {
        Row& row = *made;
        const store::ShortcutSummary& shortcut = index_->shortcut(row.shortcut);
        if (!row.markedMissing &&
            missing_->isMissing(shortcut.kind, QString::fromStdString(shortcut.path))) {
            row.picture = common::missingTargetIcon(row.picture);
            row.markedMissing = true;
            const QModelIndex place = index(made.key());
            Q_EMIT dataChanged(place, place, {Qt::DecorationRole});
        }
    }
}

void FinderResults::showFound(FinderIndex* index, std::size_t total) {
    beginResetModel();
    index_ = index;
    total_ = index == nullptr ? 0 : total;
    made_.clear();
    endResetModel();
}

std::optional<std::size_t> FinderResults::shortcutAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return std::nullopt;
    }
    return this->row(row).shortcut;
}

int FinderResults::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(total_);
}

const FinderResults::Row& FinderResults::row(int place) const {
    auto made = made_.find(place);
    if (made != made_.end()) {
        return *made;
    }
    Row row;
    row.shortcut = index_->ranked(static_cast<std::size_t>(place));
    const store::ShortcutSummary& shortcut = index_->shortcut(row.shortcut);
    const QString category = QString::fromStdString(shortcut.category);
    const QString path = QString::fromStdString(shortcut.path);
    row.caption = QString::fromStdString(shortcut.caption);
    row.detail = category + QStringLiteral("  \u2014  ") + path;
    row.spoken = row.caption + QStringLiteral(", ") + category;
    row.picture = pictureOf(icons_, shortcut.kind, path);
    if (missing_->isMissing(shortcut.kind, path)) {
        row.picture = common::missingTargetIcon(row.picture);
        row.markedMissing = true;
    }
    return *made_.insert(place, std::move(row));
}

QVariant FinderResults::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return row(index.row()).caption;
    case Qt::DecorationRole:
        return row(index.row()).picture;
    case Qt::AccessibleTextRole:
        return row(index.row()).spoken;
    case kDetailRole:
        return row(index.row()).detail;
    case kShortcutRole:
        return QVariant::fromValue<qulonglong>(row(index.row()).shortcut);
    default:
        return {};
    }
}

} // namespace finder
