// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderCatalogue.h"
#include "platform/BackgroundPriority.h"

#include "store/AllShortcuts.h"

#include <algorithm>
#include <exception>
#include <future>
#include <utility>

namespace finder {

namespace {

// Reads and folds the catalogue in halves, one on a thread of its own, the other here: on two
// cores the copy can be searched in about half the time.
std::unique_ptr<FinderIndex> readIndex(const std::string& path, const std::string& vfs,
                                       std::shared_ptr<const store::NameCollator> names) {
    const int parts = std::clamp(QThread::idealThreadCount(), 1, 2);
    const auto readPart = [&](int part) {
        // The window takes keys meanwhile, and comes first.
        platform::giveWayToTheWindow();
        return FinderIndex::read(path, vfs, part, parts, names.get());
    };
    std::vector<std::future<FinderIndex::Part>> others;
    for (int part = 1; part < parts; ++part) {
        others.push_back(std::async(std::launch::async, readPart, part));
    }
    std::vector<FinderIndex::Part> folded;
    folded.push_back(readPart(0));
    for (auto& other : others) {
        folded.push_back(other.get());
    }
    return std::make_unique<FinderIndex>(std::move(folded), std::move(names));
}

} // namespace

FinderCatalogue::FinderCatalogue(QObject* parent) : QObject(parent) {}

FinderCatalogue::~FinderCatalogue() {
    if (building_) {
        building_->wait();
    }
}

void FinderCatalogue::refresh(store::Connection& db) {
    const auto stamp = db.changeStamp();
    if (building_ || stamp_ == stamp) {
        return;
    }
    stamp_ = stamp;
    searchable_ = false;
    // Read through a connection of the thread's own: the window's connection stays its own.
    building_ =
        QThread::create([this, path = db.path(), vfs = db.vfs(), names = db.nameCollator()] {
            FinderIndex* index = nullptr;
            try {
                std::unique_ptr<FinderIndex> read = readIndex(path, vfs, names);
                index = read.get();
                const std::lock_guard<std::mutex> lock(handing_);
                fresh_ = std::move(read);
            } catch (const std::exception& error) {
                const std::lock_guard<std::mutex> lock(handing_);
                failure_ = QString::fromStdString(error.what());
                return;
            }
            QMetaObject::invokeMethod(
                this, [this] { takeSearchable(); }, Qt::QueuedConnection);
            // The window searches the copy meanwhile; it stays until this thread has ended.
            try {
                std::vector<std::uint32_t> order = index->captionOrder();
                const std::lock_guard<std::mutex> lock(handing_);
                order_ = std::move(order);
            } catch (const std::exception&) {
                // The copy stays as it is: it ranks the same, a little slower.
            }
        });
    QThread* thread = building_;
    connect(thread, &QThread::finished, this, [this, thread] {
        if (thread == building_) {
            takeBuilt();
        }
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void FinderCatalogue::takeSearchable() {
    std::unique_ptr<FinderIndex> fresh;
    {
        const std::lock_guard<std::mutex> lock(handing_);
        fresh = std::move(fresh_);
    }
    if (fresh) {
        index_ = std::move(fresh);
        searchable_ = true;
        Q_EMIT built(QString());
    }
}

void FinderCatalogue::takeBuilt() {
    takeSearchable();
    building_ = nullptr;
    std::optional<std::vector<std::uint32_t>> order;
    QString failure;
    {
        const std::lock_guard<std::mutex> lock(handing_);
        order = std::exchange(order_, std::nullopt);
        failure = std::exchange(failure_, QString());
    }
    if (order && index_) {
        index_->setCaptionOrder(std::move(*order));
    }
    if (!failure.isEmpty()) {
        // Read again the next time the finder opens.
        index_.reset();
        searchable_ = true;
        stamp_.reset();
        Q_EMIT built(failure);
    }
}

void FinderCatalogue::waitUntilBuilt() {
    if (building_) {
        building_->wait();
        takeBuilt();
    }
}

} // namespace finder
