// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Vantory against baselines taken in the same run, so that a shared, noisy machine
// slows both alike. Each pair is measured interleaved, several times, and the medians compared;
// for start-up, whose baseline drifts most, the ratio is the median of each pair's own ratio.
//
//   xvfb-run -a build/vantory_bench [runs]    (41 runs unless told)
//   xvfb-run -a build/vantory_bench --finder [runs]    (the finder's rows and start-up alone)
//
// Start-up and closing need a real display (the window must be mapped); the list fills run in
// this process. Prints one line per row with both figures and the ratio, and exits with 1 when
// a row misses its target.

#include "DropTiming.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "app/Form1.h"
#include "common/Globals.h"
#include "common/ImageLists.h"
#include "app/DesktopPlatform.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <spawn.h>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

// What shortcut number i of a category points at: its kind and path.
using Targets = std::function<std::pair<std::int16_t, std::string>(int)>;

// The same folder under five kinds.
std::pair<std::int16_t, std::string> anyKind(int i) {
    return {static_cast<std::int16_t>(1 + i % 5), "/usr/share/doc"};
}

// A mix of programs, files and folders that the desktop's theme has icons for, and web and mail
// addresses: each file is a file of its own, made in `files`.
Targets iconTargets(const QString& files) {
    QDir().mkpath(files);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return [files, documents](int i) -> std::pair<std::int16_t, std::string> {
        static const char* const kTypes[] = {"pdf", "txt", "png", "html", "ods", "mp3"};
        switch (i % 10) {
        case 0:
            return {store::kind::Application, "/usr/bin/vim"};
        case 1:
            return {store::kind::Application, "/usr/bin/pcmanfm-qt"};
        case 2:
            return {store::kind::ShellFile, "/usr/share/applications/vim.desktop"};
        case 3:
            return {store::kind::Folder, QDir::homePath().toStdString()};
        case 4:
            return {store::kind::Folder, i % 20 < 10 ? documents.toStdString() : "/usr/share/doc"};
        case 5:
            return {store::kind::Url, "https://example.org"};
        default: {
            const QString file = QStringLiteral("%1/file%2.%3")
                                     .arg(files)
                                     .arg(i)
                                     .arg(QLatin1String(kTypes[i % std::size(kTypes)]));
            QFile(file).open(QIODevice::WriteOnly);
            return {store::kind::ShellFile, file.toStdString()};
        }
        }
    };
}

// A catalogue of `groups` categories of `items` shortcuts each, in folder/Mellovan/Vantory.
QString makeCatalogue(const QString& folder, int groups, int items,
                      const Targets& targets = anyKind) {
    const QString data = folder + "/Mellovan/Vantory";
    QDir().mkpath(data);
    const QString path = data + "/dbData.mdb";
    QFile::copy(programFolder() + "/dbBlank.mdb", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    store::Connection db;
    db.open(path.toStdString());
    store::Transaction all(db);
    for (int g = 0; g < groups; ++g) {
        const std::string group = "Category " + std::to_string(g);
        store::insertGroup(db, store::GroupRow{group, "Description of " + group, "", 0x804020});
        for (int i = 0; i < items; ++i) {
            const auto [kind, path] = targets(i);
            store::insertItem(db, store::ItemRow{group, "Shortcut " + std::to_string(i),
                                                 "Description " + std::to_string(i), path, " ",
                                                 kind, 0x336699, 0});
        }
    }
    all.commit();
    db.close();
    return path;
}

struct ProcessTimes {
    double startup = 0; // exec to the window mapped and idle, ms
    double closing = 0; // the window closing to the process gone, ms
};

// Starts a program that reports "ready <ns>" and "closing <ns>" and reads both.
ProcessTimes timeProcess(const QString& program, const QString& dataHome) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "XDG_DATA_HOME=", 14) != 0) {
            env.emplace_back(*e);
        }
    }
    env.push_back("XDG_DATA_HOME=" + dataHome.toStdString());
    env.push_back("VANTORY_REPORT_READY=1");
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string path = program.toStdString();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};

    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
        std::perror("posix_spawn");
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);

    std::string output;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const auto exited = Clock::now();

    long long ready = 0;
    long long closing = 0;
    std::sscanf(output.c_str(), "ready %lld closing %lld", &ready, &closing);
    if (ready == 0 || closing == 0) {
        std::fprintf(stderr, "%s reported no times (is a display there?): %s\n", path.c_str(),
                     output.c_str());
        std::exit(2);
    }
    const auto startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    const auto exitNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(exited.time_since_epoch()).count();
    return ProcessTimes{(ready - startNs) / 1e6, (exitNs - closing) / 1e6};
}

struct Row {
    std::string what;
    double vantory;
    double baseline;
    std::string unit;
    bool met;
    std::string target;
    // Set where the ratio is the median of each run's own ratio; otherwise it is the ratio of
    // the two medians.
    std::optional<double> ratio = std::nullopt;
};

std::vector<Row> rows;

void report(const Row& row) {
    const double ratio = row.ratio.value_or(row.baseline > 0 ? row.vantory / row.baseline : 0);
    std::printf("%-52s Vantory %9.2f %-3s baseline %9.2f %-3s ratio %5.2f  target %-24s %s\n",
                row.what.c_str(), row.vantory, row.unit.c_str(), row.baseline, row.unit.c_str(),
                ratio, row.target.c_str(), row.met ? "ok" : "MISSED");
    std::fflush(stdout);
    rows.push_back(row);
}

// Start-up and closing of Vantory and of the bare window, interleaved.
void measureStartup(const QString& dataHome, const std::string& label, int runs,
                    bool reportClosing) {
    std::vector<double> vantoryStart, bareStart, vantoryClose, bareClose, startRatios;
    const QString vantory = programFolder() + "/vantory";
    const QString bare = programFolder() + "/bare_window";
    timeProcess(vantory, dataHome); // warms the file cache for both
    timeProcess(bare, dataHome);
    for (int i = 0; i < runs; ++i) {
        // Which of the two starts first alternates, so that neither always follows the other.
        ProcessTimes v;
        ProcessTimes b;
        if (i % 2 == 0) {
            v = timeProcess(vantory, dataHome);
            b = timeProcess(bare, dataHome);
        } else {
            b = timeProcess(bare, dataHome);
            v = timeProcess(vantory, dataHome);
        }
        vantoryStart.push_back(v.startup);
        bareStart.push_back(b.startup);
        startRatios.push_back(v.startup / b.startup);
        vantoryClose.push_back(v.closing);
        bareClose.push_back(b.closing);
    }
    // Each Vantory start is compared with the bare start right after it: the machine's speed
    // drifts over seconds, and a pair taken together sees the same machine.
    const double vs = median(vantoryStart);
    const double bs = median(bareStart);
    const double ratio = median(startRatios);
    report({"start-up to mapped and idle, " + label, vs, bs, "ms", ratio <= 1.1, "<= 1.1x", ratio});
    if (reportClosing) {
        const double vc = median(vantoryClose);
        const double bc = median(bareClose);
        report({"closing the window to process exit", vc, bc, "ms", vc - bc <= 100,
                "<= baseline + 100 ms"});
    }
}

// The main window on a catalogue with one category of `count` shortcuts to targets with icons.
struct VantoryList {
    explicit VantoryList(const QString& folder, int count) {
        const QString path = makeCatalogue(folder, 1, count, iconTargets(folder + "/files"));
        globals.gConnection = std::make_unique<store::Connection>();
        globals.gConnection->open(path.toStdString());
        form.show();
        form.loadGroups();
        QCoreApplication::processEvents();
        firstFill = fill();
    }
    // Clicks the root (the list empties), then times the category's fill and its paint.
    double fill() {
        QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
        form.TreeView1_NodeClick(root);
        QCoreApplication::processEvents();
        QTreeWidgetItem* category = root->child(0);
        form.TreeView1()->setCurrentItem(category);
        const auto start = Clock::now();
        form.TreeView1_NodeClick(category);
        form.ListView1()->viewport()->repaint();
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    }
    double firstFill = 0; // with every icon looked up for the first time, ms
    app::DesktopPlatform desktop;
    common::Globals globals;
    app::Form1 form{desktop.services, globals};
};

// A bare icon list, filled with the same captions and one shared picture.
struct BareList {
    BareList() {
        list.setViewMode(QListView::IconMode);
        list.resize(488, 233);
        list.show();
    }
    double fill(int count) {
        list.clear();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        for (int i = 0; i < count; ++i) {
            auto* entry = new QListWidgetItem(common::imageListIcon(3),
                                              QStringLiteral("Shortcut %1").arg(i), &list);
            entry->setForeground(QColor(0x99, 0x66, 0x33));
        }
        list.viewport()->repaint();
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    }
    QListWidget list;
};

std::pair<double, double> measureFill(const QString& folder, int count, int runs) {
    VantoryList vantory(folder, count);
    std::printf("the first fill of %d shortcuts, every icon looked up cold: %.2f ms\n", count,
                vantory.firstFill);
    BareList bare;
    std::vector<double> v, b;
    bare.fill(count);
    for (int i = 0; i < runs; ++i) {
        v.push_back(vantory.fill());
        b.push_back(bare.fill(count));
    }
    return {median(v), median(b)};
}

struct Growth {
    double vantory50000; // median fill of 50,000, ms
    double growth;       // median of each 50,000 fill against the 5,000 fill just before it
    double bare50000;    // median fill of the bare list, ms
};

// How Vantory's fill grows from 5,000 to 50,000 shortcuts: the two sizes are filled in turn, so
// that drift hits both alike. The bare list of 50,000 is filled afterwards, on its own: left
// standing between Vantory's fills, its 50,000 entries would change the heap each of them meets.
Growth measureGrowth(const QString& smallFolder, const QString& largeFolder, int runs) {
    std::vector<double> large, ratios, bare;
    {
        VantoryList small(smallFolder, 5000);
        VantoryList big(largeFolder, 50000);
        small.fill();
        big.fill();
        for (int i = 0; i < runs; ++i) {
            const double fiveThousand = small.fill();
            const double fiftyThousand = big.fill();
            large.push_back(fiftyThousand);
            ratios.push_back(fiftyThousand / fiveThousand);
        }
    }
    {
        BareList list;
        list.fill(50000);
        for (int i = 0; i < runs; ++i) {
            bare.push_back(list.fill(50000));
        }
    }
    return {median(large), median(ratios), median(bare)};
}

// SQLite's own scan for a text anywhere in the captions, every matching row read: the crude
// search the finder is measured against.
double likeScan(sqlite3* db, const std::string& text) {
    sqlite3_stmt* scan = nullptr;
    sqlite3_prepare_v2(db, "select itemcaption from tblItems where itemcaption like ?", -1, &scan,
                       nullptr);
    const std::string pattern = "%" + text + "%";
    const auto start = Clock::now();
    sqlite3_bind_text(scan, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
    long found = 0;
    while (sqlite3_step(scan) == SQLITE_ROW) {
        found += sqlite3_column_bytes(scan, 0) > 0;
    }
    const double ms = millisecondsSince(start);
    sqlite3_finalize(scan);
    return found >= 0 ? ms : 0;
}

// The finder over 100,000 shortcuts in 1,000 categories: opening it with a key typed in the
// list (to the field painted), and each further key typed into it (to its results painted),
// against SQLite's like scan for the same text in the same run.
void measureFinder(const QString& dataHome, int runs) {
    const QString path = dataHome + "/Mellovan/Vantory/dbData.mdb";
    app::DesktopPlatform desktop;
    common::Globals globals;
    globals.gConnection = std::make_unique<store::Connection>();
    globals.gConnection->open(path.toStdString());
    app::Form1 form(desktop.services, globals);
    form.show();
    form.loadGroups();
    QCoreApplication::processEvents();
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);

    const auto press = [](QWidget* target, int key, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
    };
    const auto open = [&] {
        form.ListView1()->setFocus();
        const auto start = Clock::now();
        press(form.ListView1(), Qt::Key_S, QStringLiteral("s"));
        form.finder()->repaint();
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    };
    // The first open also reads the catalogue; its results follow once the copy is folded.
    const auto firstStart = Clock::now();
    const double first = open();
    form.finderCatalogue()->waitUntilBuilt();
    form.finder()->repaint();
    const double firstResults = millisecondsSince(firstStart);
    form.finder()->close();

    const std::string typed = "shortcut 42";
    std::vector<double> opening, likeOfOpening, keys, likes, worst;
    for (int i = 0; i < runs; ++i) {
        opening.push_back(open());
        likeOfOpening.push_back(likeScan(raw, "s"));
        for (std::size_t k = 1; k < typed.size(); ++k) {
            QLineEdit* field = form.finder()->field();
            const auto start = Clock::now();
            press(field, QChar(typed[k]).toUpper().unicode(), QString(QChar(typed[k])));
            form.finder()->repaint();
            QCoreApplication::processEvents();
            const double ms = millisecondsSince(start);
            const double like = likeScan(raw, typed.substr(0, k + 1));
            keys.push_back(ms);
            likes.push_back(like);
            worst.push_back(ms / like);
        }
        form.finder()->close();
        QCoreApplication::processEvents();
    }
    sqlite3_close(raw);
    report({"finder, first open: key to field shown", first, median(likeOfOpening), "ms",
            first <= 16, "<= 16 ms (field only)"});
    report({"finder, first open: key to its results shown", firstResults, median(likeOfOpening),
            "ms", true, "(copy built once)"});
    const double o = median(opening);
    const double ol = median(likeOfOpening);
    report({"finder opening: key to field and results shown", o, ol, "ms", o <= 16 && o <= ol,
            "<= 16 ms, <= 1.0x like"});
    const double k = median(keys);
    const double kl = median(likes);
    const double slowest = *std::max_element(keys.begin(), keys.end());
    report({"finder, each further key to results shown", k, kl, "ms",
            k <= 16 && median(worst) <= 1.0, "<= 16 ms, <= 1.0x like", median(worst)});
    std::printf("  (slowest further key %.2f ms)\n", slowest);
}

// Peak resident memory of this process, in KiB.
long peakMemoryKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

// Run as a child: shows the 5,000-shortcut category, or the bare list of as many entries, and
// prints the peak memory.
int memoryChild(const std::string& which) {
    QTemporaryDir folder;
    if (which == "vantory") {
        VantoryList vantory(folder.path(), 5000);
        vantory.fill();
        std::printf("%ld\n", peakMemoryKiB());
    } else {
        BareList bare;
        bare.fill(5000);
        std::printf("%ld\n", peakMemoryKiB());
    }
    return 0;
}

double childPeakMiB(const char* self, const char* which) {
    const std::string command = std::string(self) + " --memory-child " + which;
    FILE* child = popen(command.c_str(), "r");
    long kib = 0;
    if (!child || std::fscanf(child, "%ld", &kib) != 1) {
        std::fprintf(stderr, "memory child %s failed\n", which);
        std::exit(2);
    }
    pclose(child);
    return kib / 1024.0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit() + "/vantory-bench-runtime");
        QDir().mkpath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
        QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory-child") == 0) {
        QApplication application(argc, argv);
        QIcon::setThemeName(QStringLiteral("Adwaita"));
        return memoryChild(argv[2]);
    }
    QApplication application(argc, argv);
    // The fills draw the icons of a full theme, as a desktop sets one.
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    // --finder: the finder's rows and the start-up they must leave alone, nothing else.
    const bool finderOnly = argc > 1 && std::strcmp(argv[1], "--finder") == 0;
    const int runArgument = finderOnly ? 2 : 1;
    const int runs = argc > runArgument ? std::max(3, std::atoi(argv[runArgument])) : 41;
    QTemporaryDir work;
    if (finderOnly) {
        const QString large = work.path() + "/large";
        makeCatalogue(large, 1000, 100);
        std::printf("Vantory finder benchmark, medians of %d runs\n", runs);
        measureStartup(large, "1,000 x 100 shortcuts", runs, false);
        measureFinder(large, runs);
        const bool met =
            std::all_of(rows.begin(), rows.end(), [](const Row& row) { return row.met; });
        return met ? 0 : 1;
    }

    std::printf("Vantory benchmark, medians of %d interleaved runs\n", runs);
    const QString small = work.path() + "/small";
    makeCatalogue(small, 100, 100);
    measureStartup(small, "100 x 100 shortcuts", runs, true);
    const QString large = work.path() + "/large";
    makeCatalogue(large, 1000, 100);
    measureStartup(large, "1,000 x 100 shortcuts", runs, false);
    measureFinder(large, runs);

    const auto [v5, b5] = measureFill(work.path() + "/fill5000", 5000, runs);
    report(
        {"loadItems of 5,000 shortcuts, with the paint", v5, b5, "ms", v5 <= 1.0 * b5, "<= 1.0x"});
    const auto [v50, growth, b50] =
        measureGrowth(work.path() + "/grow5000", work.path() + "/grow50000", std::max(3, runs / 2));
    report({"loadItems of 50,000 shortcuts, with the paint", v50, b50, "ms",
            v50 <= 500 && growth <= 12, "<= 500 ms, <= 12x the 5,000", growth});

    {
        // The drop of 1,000 files until the list is laid out again, against raw inserts.
        QTemporaryDir dropFolder;
        QDir(dropFolder.path()).mkdir("files");
        const QList<QUrl> files = droptiming::makeFiles(dropFolder.path() + "/files", 1000);
        std::vector<double> drop, raw;
        for (int i = 0; i < runs; ++i) {
            const auto times = droptiming::dropThroughTheList(
                droptiming::freshCatalogue(dropFolder, i, "drop"), files);
            if (times.entries != 1000) {
                std::fprintf(stderr, "the drop listed %d entries, not 1000\n", times.entries);
                return 2;
            }
            drop.push_back(times.laidOut);
            raw.push_back(
                droptiming::rawInserts(droptiming::freshCatalogue(dropFolder, i, "raw"), files));
        }
        const double d = median(drop);
        const double r = median(raw);
        report({"dropping 1,000 files onto a category", d, r, "ms", d <= 3 * r && d < 150,
                "<= 3x, < 150 ms"});
    }

    std::vector<double> vm, bm;
    for (int i = 0; i < 3; ++i) {
        vm.push_back(childPeakMiB(argv[0], "vantory"));
        bm.push_back(childPeakMiB(argv[0], "bare"));
    }
    const double vMem = median(vm);
    const double bMem = median(bm);
    report({"peak memory showing 5,000 shortcuts", vMem, bMem, "MiB", vMem - bMem <= 10,
            "<= baseline + 10 MiB"});

    const bool allMet =
        std::all_of(rows.begin(), rows.end(), [](const Row& row) { return row.met; });
    std::printf("%s\n", allMet ? "every row within target" : "some rows missed their target");
    return allMet ? 0 : 1;
}
