// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderCatalogue.h"

#include "store/AllShortcuts.h"

#include <exception>
#include <utility>

namespace finder {

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
    // Read through a connection of the thread's own: the window's connection stays its own.
    building_ =
        QThread::create([this, path = db.path(), vfs = db.vfs(), names = db.nameCollator()] {
            try {
                fresh_ = std::make_unique<FinderIndex>(store::readAllShortcuts(path, vfs), *names);
            } catch (const std::exception& error) {
                failure_ = QString::fromStdString(error.what());
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

void FinderCatalogue::takeBuilt() {
    index_ = std::move(fresh_);
    building_ = nullptr;
    if (!index_) {
        // Read again the next time the finder opens.
        stamp_.reset();
    }
    Q_EMIT built(std::exchange(failure_, QString()));
}

void FinderCatalogue::waitUntilBuilt() {
    if (building_) {
        building_->wait();
        takeBuilt();
    }
}

} // namespace finder
