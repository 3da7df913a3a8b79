// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finder/FinderIndex.h"
#include "store/Connection.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <memory>
#include <optional>
#include <utility>

namespace finder {

// The finder's copy of the catalogue: read when the finder first opens, folded and ordered on a
// thread of its own so that the window keeps taking keys meanwhile, and kept until the catalogue
// changes.
class FinderCatalogue : public QObject {
    Q_OBJECT

  public:
    explicit FinderCatalogue(QObject* parent = nullptr);
    ~FinderCatalogue() override;

    // Makes sure the copy matches the catalogue: starts reading it again when it has changed
    // since.
    void refresh(store::Connection& db);
    // The current copy, or none while it is being built.
    FinderIndex* index() { return building_ ? nullptr : index_.get(); }
    // Waits until the copy being built is ready (for tests and the benchmark).
    void waitUntilBuilt();

  Q_SIGNALS:
    // The copy started by refresh() is ready, or could not be made: then `failure` tells why.
    void built(const QString& failure);

  private:
    void takeBuilt();

    std::unique_ptr<FinderIndex> index_;
    std::optional<std::pair<const void*, std::int64_t>> stamp_;
    QPointer<QThread> building_;
    std::unique_ptr<FinderIndex> fresh_;
    QString failure_;
};

} // namespace finder
