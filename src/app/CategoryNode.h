// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ColourScheme.h"

#include <QBrush>
#include <QIcon>
#include <QTreeWidgetItem>

#include <optional>

namespace app {

// A category's node in the tree: the category's name, in its colour, beside the folder picture,
// keyed "key_" and the name. The tree makes every node at once when it is filled, a thousand of
// them for a large catalogue, so a node keeps just these few fields and answers the view from
// them instead of holding a value for every role. A value set on the node afterwards wins.
// The stored colour is kept beside the one shown, so that the node follows a change of scheme.
class CategoryNode : public QTreeWidgetItem {
  public:
    CategoryNode(const QString& caption, QIcon picture, std::optional<QColor> stored,
                 const QPalette& scheme)
        : picture_(std::move(picture)), stored_(stored) {
        setText(0, caption);
        followScheme(scheme);
    }
    // With the stored colour already made the one shown on this scheme: a thousand categories
    // mostly share a few colours, each worked out once.
    CategoryNode(const QString& caption, QIcon picture, std::optional<QColor> stored,
                 std::optional<QColor> shown)
        : picture_(std::move(picture)), stored_(stored) {
        setText(0, caption);
        if (stored_ && shown) {
            colour_ = QBrush(*shown);
        }
    }

    // Shows the stored colour as it reads on this scheme's tree.
    void followScheme(const QPalette& scheme) {
        if (stored_) {
            colour_ = QBrush(common::shownColour(*stored_, scheme));
        }
    }

    QVariant data(int column, int role) const override {
        QVariant stored = QTreeWidgetItem::data(column, role);
        if (stored.isValid() || column != 0) {
            return stored;
        }
        switch (role) {
        case Qt::DecorationRole:
            return picture_;
        case Qt::ForegroundRole:
            return colour_ ? QVariant(*colour_) : QVariant();
        case Qt::UserRole:
            return QVariant(QStringLiteral("key_") + text(0));
        default:
            return stored;
        }
    }

  private:
    QIcon picture_;
    std::optional<QColor> stored_;
    std::optional<QBrush> colour_;
};

} // namespace app
