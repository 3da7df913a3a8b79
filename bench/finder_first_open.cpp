// SPDX-License-Identifier: GPL-3.0-or-later
// The work between the finder's first key and its first results, at 100,000 shortcuts, for
// counting under callgrind, whose counts hold still where timings on a busy machine do not:
//   valgrind --tool=callgrind --separate-threads=yes --collect-atstart=no
//            finder_first_open CATALOGUE.mdb
// Configure with -DVANTORY_CALLGRIND_MARKS=ON (valgrind installed) to count only that work.
// A missing catalogue is made first (1,000 categories of 100 shortcuts, as vantory_bench makes
// them), outside what is counted. Counted: the copy read in halves and folded, then the first
// search for "s", as the window runs them.

#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
// Counting starts and stops where asked only when asked for at configure time: a build that picked
// valgrind's header up by itself would need a package no build lists.
#if defined(VANTORY_CALLGRIND_MARKS) && __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

namespace {

void makeCatalogue(const QString& path) {
    QFile::copy(QCoreApplication::applicationDirPath() + "/dbBlank.mdb", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    store::Connection db;
    db.open(path.toStdString());
    store::Transaction all(db);
    const std::string files = QDir::tempPath().toStdString() + "/files/file";
    const char* const types[] = {"txt", "pdf", "png", "odt", "html"};
    for (int g = 0; g < 1000; ++g) {
        const std::string group = "Category " + std::to_string(g);
        store::insertGroup(db, store::GroupRow{group, "Description of " + group, "", 0x804020});
        for (int i = 0; i < 100; ++i) {
            const std::string target =
                i % 8 == 0   ? "/usr/bin/pcmanfm-qt"
                : i % 8 == 1 ? "https://example.org"
                             : files + std::to_string(i) + "." + types[i % std::size(types)];
            store::insertItem(db, store::ItemRow{group, "Shortcut " + std::to_string(i),
                                                 "Description " + std::to_string(i), target, " ",
                                                 store::kind::ShellFile, 0x336699, 0});
        }
    }
    all.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: finder_first_open CATALOGUE.mdb\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!QFileInfo::exists(path)) {
        makeCatalogue(path);
    }
    store::Connection db;
    db.open(path.toStdString());
    finder::FinderCatalogue catalogue;
    QEventLoop loop;
    std::size_t shown = 0;
    std::size_t total = 0;
    QObject::connect(&catalogue, &finder::FinderCatalogue::built, [&](const QString& failure) {
        if (finder::FinderIndex* index = catalogue.index(); index && failure.isEmpty()) {
            index->setLaunchCounts({});
            const auto found = index->find(QStringLiteral("s"), finder::Finder::kVisibleRows);
            shown = found.best.size();
            total = found.total;
        }
        CALLGRIND_STOP_INSTRUMENTATION;
        loop.quit();
    });
    CALLGRIND_START_INSTRUMENTATION;
    catalogue.refresh(db);
    loop.exec();
    catalogue.waitUntilBuilt();
    std::printf("%zu shown of %zu found\n", shown, total);
    return shown > 0 ? 0 : 1;
}
