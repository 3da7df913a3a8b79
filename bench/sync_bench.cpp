// SPDX-License-Identifier: GPL-3.0-or-later
// Times keeping a catalogue of 10,000 shortcuts in step across three computers:
//   sync_bench [dbBlank.mdb] [runs]
// (SyncTiming.h tells what is timed; vantory_bench runs the same row.)

#include "BenchFiles.h"
#include "SyncTiming.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const auto blank = benchfiles::blankCatalogue(argc, argv);
    const auto root = benchfiles::newFolder("vantory_sync_bench");
    if (!blank || !root) {
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const synctiming::MergeTimes times = synctiming::timeMerges(*root, *blank, runs);
    std::printf("| What | Vantory (processor time) | Target |\n|---|---|---|\n");
    std::printf("| merge, 10,000 shortcuts, three computers, 200 changed | %.0f ms (%.0f ms) | "
                "< 1,000 ms |\n",
                times.merge, times.mergeCpu);
    std::printf("| merge with nothing new | %.0f ms (%.0f ms), %s | writes nothing |\n", times.idle,
                times.idleCpu, times.wroteWhenIdle ? "WROTE" : "wrote nothing");
    std::filesystem::remove_all(*root);
    return times.merge < 1000 && !times.wroteWhenIdle ? 0 : 1;
}
