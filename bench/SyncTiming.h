// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeping a catalogue of 10,000 shortcuts in step across three computers through one folder,
// timed: each run, two computers change 100 shortcuts each and merge; then the third merges,
// reading all three files, joining them and writing the 200 changed rows (the merge timed).
// Then the same computer merges again with nothing new: it reads everything and writes nothing.

#include "platform/DesktopSyncFiles.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/Transaction.h"
#include "sync/Merge.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace synctiming {

namespace fs = std::filesystem;

constexpr int kShortcuts = 10000;
constexpr int kChanged = 100;

class Computer : public platform::DesktopSyncFiles {
  public:
    Computer(const fs::path& root, const char* name, const fs::path& blank, const fs::path& shared)
        : folder_(root / name), name_(name), shared_(shared) {
        fs::create_directories(folder_ / "state");
        fs::copy_file(blank, folder_ / "dbData.mdb");
        db.open((folder_ / "dbData.mdb").string());
    }
    QString stateFolder() override { return QString::fromStdString((folder_ / "state").string()); }
    vsync::MergeReport merge() {
        return vsync::mergeWithFolder(db, *this,
                                      {QString::fromStdString(shared_.string()),
                                       QString::fromStdString((folder_ / "backups").string()),
                                       QStringLiteral("/home/bench"), name_,
                                       std::chrono::system_clock::now()});
    }
    store::Connection db;

  private:
    fs::path folder_;
    QString name_;
    fs::path shared_;
};

inline void fill(store::Connection& db) {
    store::Transaction tx(db);
    for (int g = 0; g < 50; ++g) {
        store::insertGroup(db, {"Group " + std::to_string(g), "Shortcuts", "", 0x102030});
    }
    for (int i = 0; i < kShortcuts; ++i) {
        store::insertItem(db, {"Group " + std::to_string(i % 50), "Shortcut " + std::to_string(i),
                               "Description of shortcut " + std::to_string(i),
                               "/home/bench/programs/program" + std::to_string(i) + ".desktop", " ",
                               store::kind::ShellFile, 0x336699, store::windowstate::Normal});
    }
    tx.commit();
}

inline void change(store::Connection& db, int first, int run) {
    store::Transaction tx(db);
    for (int i = first; i < first + kChanged; ++i) {
        db.execute("update tblItems set itemdescription=? where itemcaption=?",
                   {store::Value("run " + std::to_string(run)),
                    store::Value("Shortcut " + std::to_string(i))});
    }
    tx.commit();
}

// Milliseconds of processor time this process has used: on a shared machine, where the wall
// clock also counts the other programs' turns, the truer measure of the work.
inline double cpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

inline double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct MergeTimes {
    double merge = 0;    // the merge of 200 changed rows, by the clock, ms (median)
    double mergeCpu = 0; // its processor time, ms
    double idle = 0;     // the merge with nothing new, by the clock, ms
    double idleCpu = 0;
    bool wroteWhenIdle = false;
};

// `runs` rounds in a new folder under `root`, with copies of the blank catalogue `blank`.
inline MergeTimes timeMerges(const fs::path& root, const fs::path& blank, int runs) {
    const fs::path shared = root / "shared";
    fs::create_directories(shared);
    Computer ann(root, "ann", blank, shared), bob(root, "bob", blank, shared),
        cid(root, "cid", blank, shared);
    fill(ann.db);
    for (Computer* computer : {&ann, &bob, &cid}) {
        computer->merge();
    }
    using Clock = std::chrono::steady_clock;
    const auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    std::vector<double> merges, idle, mergesCpu, idleCpu;
    MergeTimes times;
    for (int run = 0; run < runs; ++run) {
        change(bob.db, 0, run);
        bob.merge();
        change(cid.db, 5000, run);
        cid.merge();
        auto start = Clock::now();
        double cpu = cpuMs();
        ann.merge();
        merges.push_back(since(start));
        mergesCpu.push_back(cpuMs() - cpu);
        start = Clock::now();
        cpu = cpuMs();
        const vsync::MergeReport report = ann.merge();
        idle.push_back(since(start));
        idleCpu.push_back(cpuMs() - cpu);
        times.wroteWhenIdle =
            times.wroteWhenIdle || report.catalogueChanged || report.folderFileWritten;
    }
    times.merge = medianOf(merges);
    times.mergeCpu = medianOf(mergesCpu);
    times.idle = medianOf(idle);
    times.idleCpu = medianOf(idleCpu);
    return times;
}

} // namespace synctiming
