// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finder/FinderIndex.h"
#include "store/Connection.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace finder {

// The finder's copy of the catalogue: read when the finder first opens, folded and ordered on a
// thread of its own so that the window keeps taking keys meanwhile, and kept until the catalogue
// changes. The copy is searched as soon as it is read and folded; the order by caption, which
// only makes ranking quicker, follows.
class FinderCatalogue : public QObject {
    Q_OBJECT

  public:
    explicit FinderCatalogue(QObject* parent = nullptr);
    ~FinderCatalogue() override;

    // Makes sure the copy matches the catalogue: starts reading it again when it has changed
    // since.
    void refresh(store::Connection& db);
    // The current copy, or none while it is being read.
    FinderIndex* index() { return searchable_ ? index_.get() : nullptr; }
    // Waits until the copy being built is ready and ordered (for tests and the benchmark).
    void waitUntilBuilt();

  Q_SIGNALS:
    // The copy started by refresh() can be searched, or could not be made: then `failure` tells
    // why.
    void built(const QString& failure);

  private:
    // Takes the copy read and folded, if the thread has handed it over and it is not taken yet.
    void takeSearchable();
    void takeBuilt();

    std::unique_ptr<FinderIndex> index_;
    bool searchable_ = true;
    std::optional<std::pair<const void*, std::int64_t>> stamp_;
    QPointer<QThread> building_;
    // What the thread hands over.
    std::mutex handing_;
    std::unique_ptr<FinderIndex> fresh_;
    std::optional<std::vector<std::uint32_t>> order_;
    QString failure_;
};

} // namespace finder
