// SPDX-License-Identifier: GPL-3.0-or-later
// Times keeping a catalogue of 10,000 shortcuts in step across three computers:
//   sync_bench [dbBlank.mdb] [runs]
// Each run, two computers change 100 shortcuts each and merge; then the third merges, reading
// all three files, joining them and writing the 200 changed rows (the row timed). Then the same
// computer merges again with nothing new: it reads everything and writes nothing.

#include "BenchFiles.h"
#include "platform/DesktopSyncFiles.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/Transaction.h"
#include "sync/Merge.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
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

void fill(store::Connection& db) {
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

void change(store::Connection& db, int first, int run) {
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
double cpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const auto blank = benchfiles::blankCatalogue(argc, argv);
    const auto root = benchfiles::newFolder("vantory_sync_bench");
    if (!blank || !root) {
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const fs::path shared = *root / "shared";
    fs::create_directories(shared);
    Computer ann(*root, "ann", *blank, shared), bob(*root, "bob", *blank, shared),
        cid(*root, "cid", *blank, shared);
    fill(ann.db);
    for (Computer* computer : {&ann, &bob, &cid}) {
        computer->merge();
    }
    std::vector<double> merges, idle, mergesCpu, idleCpu;
    bool wroteWhenIdle = false;
    for (int run = 0; run < runs; ++run) {
        change(bob.db, 0, run);
        bob.merge();
        change(cid.db, 5000, run);
        cid.merge();
        auto start = Clock::now();
        double cpu = cpuMs();
        ann.merge();
        merges.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        mergesCpu.push_back(cpuMs() - cpu);
        start = Clock::now();
        cpu = cpuMs();
        const vsync::MergeReport report = ann.merge();
        idle.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        idleCpu.push_back(cpuMs() - cpu);
        wroteWhenIdle = wroteWhenIdle || report.catalogueChanged || report.folderFileWritten;
    }
    std::printf("| What | Vantory (processor time) | Target |\n|---|---|---|\n");
    std::printf("| merge, 10,000 shortcuts, three computers, 200 changed | %.0f ms (%.0f ms) | "
                "< 1,000 ms |\n",
                median(merges), median(mergesCpu));
    std::printf("| merge with nothing new | %.0f ms (%.0f ms), %s | writes nothing |\n",
                median(idle), median(idleCpu), wroteWhenIdle ? "WROTE" : "wrote nothing");
    fs::remove_all(*root);
    return median(merges) < 1000 && !wroteWhenIdle ? 0 : 1;
}
