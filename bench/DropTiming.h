// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dropping files onto the shortcut list, timed through the list's real drop handling (the
// duplicate lookups, the inserts, the commit and the list filled again), against what that
// comes to at the least: the same rows stored as plain SQLite inserts in one transaction with
// one prepared statement, then the category filled by a click on it.

#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "common/Globals.h"
#include "store/Statements.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace droptiming {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A fresh copy of the blank catalogue in a folder of its own.
inline QString freshCatalogue(const QTemporaryDir& dir, int round, const char* name) {
    const QString path = dir.filePath(QStringLiteral("%1-%2.mdb").arg(name).arg(round));
    QFile::copy(QCoreApplication::applicationDirPath() + "/dbBlank.mdb", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

struct DropTimes {
    double handler = 0;
    double laidOut = 0;
    int entries = 0;
};

inline DropTimes dropThroughTheList(const QString& catalogue, const QList<QUrl>& files) {
    common::Globals globals;
    globals.gConnection = std::make_unique<store::Connection>();
    globals.gConnection->open(catalogue.toStdString());
    store::insertGroup(*globals.gConnection, store::GroupRow{"Dropped", "", "", 0});

    app::DesktopPlatform desktop;
    app::Form1 form(desktop.services, globals);
    form.show();
    form.loadGroups();
    form.selectNode(2);
    form.nodeClick();
    QCoreApplication::processEvents();

    QMimeData data;
    data.setUrls(files);
    QWidget* viewport = form.ListView1()->viewport();
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});

    DropTimes times;
    const auto start = Clock::now();
    QCoreApplication::sendEvent(viewport, &drop);
    times.handler = millisecondsSince(start);
    QCoreApplication::processEvents();
    times.laidOut = millisecondsSince(start);
    times.entries = form.ListView1()->count();
    return times;
}

inline double rawInserts(const QString& catalogue, const QList<QUrl>& files) {
    {
        store::Connection db;
        db.open(catalogue.toStdString());
        store::insertGroup(db, store::GroupRow{"Dropped", "", "", 0});
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(catalogue.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(catalogue));
        std::exit(1);
    }
    // The rows as the drop makes them, made before the clock starts.
    std::vector<std::pair<std::string, std::string>> rows;
    for (const QUrl& url : files) {
        const QString path = url.toLocalFile();
        rows.emplace_back(QFileInfo(path).completeBaseName().toStdString(), path.toStdString());
    }
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into tblItems (groupcaption,itemcaption,itemdescription,itempath,"
                       "itemparameter,itemtype,itemtextcolor,openas) values (?,?,' ',?,' ',5,0,0)",
                       -1, &stmt, nullptr);
    for (const auto& [caption, path] : rows) {
        sqlite3_bind_text(stmt, 1, "Dropped", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, caption.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, path.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            std::fprintf(stderr, "insert failed: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double elapsed = millisecondsSince(start);
    sqlite3_close(db);
    return elapsed;
}

struct BaselineTimes {
    double inserts = 0; // the raw inserts, ms
    double click = 0;   // the category filled by a click once they are stored, with its paint, ms
    int entries = 0;
};

// The raw inserts, then a window on the catalogue whose category is filled by a click, the
// list laid out and painted: the two steps a drop takes, each at its cheapest.
inline BaselineTimes rawInsertsThenClick(const QString& catalogue, const QList<QUrl>& files) {
    BaselineTimes times;
    times.inserts = rawInserts(catalogue, files);
    common::Globals globals;
    globals.gConnection = std::make_unique<store::Connection>();
    globals.gConnection->open(catalogue.toStdString());
    app::DesktopPlatform desktop;
    app::Form1 form(desktop.services, globals);
    form.show();
    form.loadGroups();
    form.selectNode(1);
    form.nodeClick();
    QCoreApplication::processEvents();
    form.selectNode(2);
    const auto start = Clock::now();
    form.nodeClick();
    QCoreApplication::processEvents();
    times.click = millisecondsSince(start);
    times.entries = form.ListView1()->count();
    return times;
}

// Empty files to drop, named as documents are.
inline QList<QUrl> makeFiles(const QString& folder, int count) {
    QList<QUrl> files;
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/document %1.txt").arg(i, 5, 10, QChar('0'));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        files << QUrl::fromLocalFile(path);
    }
    return files;
}

} // namespace droptiming
