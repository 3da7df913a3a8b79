// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Vantory against baselines taken in the same run, so that a shared, noisy machine
// slows both alike. Each pair is measured interleaved, several times, and the medians compared;
// for start-up, whose baseline drifts most, the ratio is the median of each pair's own ratio.
//
//   xvfb-run -a build/vantory_bench [runs]    (41 runs unless told)
//   xvfb-run -a build/vantory_bench --finder [runs]    (the finder's rows and start-up alone)
//   build/vantory_bench --installed [runs]    (adding 2,000 installed applications alone)
//   xvfb-run -a build/vantory_bench --rows drop,memory [runs]    (the rows named alone: startup,
//       startup-large, finder, find-command, fill, growth, drop, installed, merge, memory)
//
// Start-up and closing need a real display (the window must be mapped); the list fills run in
// this process. Prints one line per row with both figures and the ratio, and exits with 1 when
// a row misses its target.

#include "DropTiming.h"
#include "SyncTiming.h"
#include "app/DesktopPlatform.h"
#include "app/Form1.h"
#include "common/Globals.h"
#include "common/ImageLists.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "finder/FinderIndex.h"
#include "finder/FinderResults.h"
#include "platform/GioLibrary.h"
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
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
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
    // Start-up reads the finder's copy beside the window once it is idle; the first key comes
    // while that runs, and its results follow once the copy is read and folded: the window's
    // events run until the finder's list has them, then it is painted.
    const auto idle = Clock::now();
    form.prepareFinderCatalogue();
    const auto firstStart = Clock::now();
    const double first = open();
    while (form.finder()->found()->rowCount() == 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    form.finder()->repaint();
    const double firstResults = millisecondsSince(firstStart);
    std::vector<std::size_t> shownFirst;
    for (int row = 0;
         row < std::min(finder::Finder::kVisibleRows, form.finder()->found()->rowCount()); ++row) {
        shownFirst.push_back(form.finder()->found()->shortcutAt(row).value_or(SIZE_MAX));
    }
    form.finderCatalogue()->waitUntilBuilt();
    const double copyRead = millisecondsSince(idle);
    // The first results are those the ordered copy shows.
    const bool sameResults =
        form.finderCatalogue()->index()->find(QStringLiteral("s"), shownFirst.size()).best ==
        shownFirst;
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
            "ms", firstResults <= 100 && sameResults, "<= 100 ms"});
    if (!sameResults) {
        std::printf("  (the first results differ from the ordered copy's)\n");
    }
    std::printf("  (the copy read and ordered beside the window in %.1f ms)\n", copyRead);
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

// This process's environment with the variables named in `set` replaced by their values.
std::vector<std::string>
environmentWith(const std::vector<std::pair<std::string, std::string>>& set) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const bool replaced = std::any_of(set.begin(), set.end(), [&](const auto& variable) {
            return entry.rfind(variable.first + "=", 0) == 0;
        });
        if (!replaced) {
            env.push_back(entry);
        }
    }
    for (const auto& [name, value] : set) {
        env.push_back(name + "=" + value);
    }
    return env;
}

// A program started with its standard output read line by line.
class RunningChild {
  public:
    RunningChild(std::vector<std::string> arguments, std::vector<std::string> env) {
        int fds[2];
        if (pipe(fds) != 0) {
            std::perror("pipe");
            std::exit(2);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::vector<char*> argv, envp;
        for (std::string& a : arguments) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        for (std::string& e : env) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            std::perror("posix_spawn");
            std::exit(2);
        }
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        out_ = fds[0];
    }
    ~RunningChild() {
        if (pid_ != 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        close(out_);
    }
    // Waits for the program to end by itself; true when it ended with success.
    bool ended() {
        int status = 0;
        waitpid(std::exchange(pid_, 0), &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;

    // The next line that starts with `word`, waiting at most ten seconds; "" when none came.
    std::string lineStarting(const std::string& word) {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        for (;;) {
            for (std::size_t end; (end = buffer_.find('\n')) != std::string::npos;) {
                const std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                if (line.rfind(word, 0) == 0) {
                    return line;
                }
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd wait{out_, POLLIN, 0};
            char chunk[256];
            const ssize_t n = left.count() > 0 && poll(&wait, 1, static_cast<int>(left.count())) > 0
                                  ? read(out_, chunk, sizeof chunk)
                                  : 0;
            if (n <= 0) {
                return {};
            }
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

  private:
    pid_t pid_ = 0;
    int out_ = -1;
    std::string buffer_;
};

long long nanosecondsOf(Clock::time_point at) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
}

// `vantory --find shortcut` while a Vantory runs, on a session bus of the benchmark's own: from
// the command started to the running window's finder painted (the running window then closes
// it, so that each command shows it afresh).
void measureFindCommand(const QString& dataHome, int runs) {
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"),
               QStringLiteral("--print-address=1")});
    while (bus.waitForStarted(5000) && !bus.canReadLine() && bus.waitForReadyRead(5000)) {
    }
    const std::string address = QString::fromUtf8(bus.readLine()).trimmed().toStdString();
    if (address.empty()) {
        std::fprintf(stderr, "no session bus for the finder command (package dbus-daemon)\n");
        std::exit(2);
    }
    const std::string vantory = (programFolder() + "/vantory").toStdString();
    const std::vector<std::pair<std::string, std::string>> set = {
        {"DBUS_SESSION_BUS_ADDRESS", address},
        {"XDG_DATA_HOME", dataHome.toStdString()},
        {"VANTORY_REPORT_READY", "open"}};
    double first = 0;
    std::vector<double> shown;
    {
        RunningChild window({vantory}, environmentWith(set));
        if (window.lineStarting("ready").empty()) {
            std::fprintf(stderr, "the running Vantory reported no ready\n");
            std::exit(2);
        }
        for (int i = 0; i < runs + 1; ++i) {
            const auto start = Clock::now();
            RunningChild command({vantory, "--find", "shortcut"}, environmentWith(set));
            const std::string line = window.lineStarting("shown");
            long long at = 0;
            if (std::sscanf(line.c_str(), "shown %lld", &at) != 1 || !command.ended()) {
                std::fprintf(stderr, "the running Vantory did not show its finder\n");
                std::exit(2);
            }
            const double ms = (at - nanosecondsOf(start)) / 1e6;
            if (i == 0) {
                first = ms; // the first also makes the finder
            } else {
                shown.push_back(ms);
            }
        }
    }
    bus.terminate();
    bus.waitForFinished(5000);
    const double s = median(shown);
    report({"vantory --find in a running window: to the finder shown", s, 0, "ms", s <= 100,
            "<= 100 ms"});
    std::printf("  (the first, which also makes the finder: %.1f ms)\n", first);
}

struct ChildTimes {
    double wall = 0; // start to exit, ms
    double cpu = 0;  // user and system time of the child, ms
};

// Runs `program ARGUMENTS` with these data folders to its exit; exits the benchmark when it
// fails.
ChildTimes runChild(const std::string& program, std::vector<std::string> arguments,
                    const QString& share, const QString& dataHome) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "XDG_DATA_", 9) != 0) {
            env.emplace_back(*e);
        }
    }
    env.push_back("XDG_DATA_DIRS=" + share.toStdString());
    env.push_back("XDG_DATA_HOME=" + dataHome.toStdString());
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), envp.data()) != 0) {
        std::perror("posix_spawn");
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double wall = millisecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", program.c_str(), arguments.back().c_str());
        std::exit(2);
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {wall, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

// Run as a child: GIO lists the installed applications and lets them go, nothing more.
int gioListChild() {
    const platform::GioLibrary& gio = platform::gio();
    GList* all = gio.allApplications();
    const int count = static_cast<int>(g_list_length(all));
    g_list_free_full(all, gio.unref);
    return count > 0 ? 0 : 1;
}

// `vantory --add-installed` reading, filing and storing 2,000 installed applications into a
// fresh catalogue, as a whole process, against a process in which GIO only lists them. Both
// are timed by their own CPU time, which a busy machine does not stretch, and by the clock.
void measureAddInstalled(const char* self, const QString& folder, int runs) {
    const QString applications = folder + "/share/applications";
    QDir().mkpath(applications);
    static const char* const kCategories[] = {"AudioVideo", "Development", "Education", "Game",
                                              "Graphics",   "Network",     "Office",    "Science",
                                              "Settings",   "System",      "Utility",   "X-Other"};
    for (int i = 0; i < 2000; ++i) {
        QFile entry(QStringLiteral("%1/app%2.desktop").arg(applications).arg(i));
        entry.open(QIODevice::WriteOnly);
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Application %1\n"
                                   "Comment=What application %1 does\nIcon=text-editor\n"
                                   "Exec=true %%F\nCategories=GTK;%2;\n")
                        .arg(i)
                        .arg(QLatin1String(kCategories[i % std::size(kCategories)]))
                        .toUtf8());
    }
    const std::string vantory = (programFolder() + "/vantory").toStdString();
    std::vector<double> addCpu, addWall, listCpu, listWall;
    for (int i = 0; i < runs; ++i) {
        const QString dataHome = QStringLiteral("%1/data%2").arg(folder).arg(i);
        const ChildTimes add = runChild(vantory, {"--add-installed"}, folder + "/share", dataHome);
        const ChildTimes list = runChild(self, {"--gio-list-child"}, folder + "/share", dataHome);
        addCpu.push_back(add.cpu);
        addWall.push_back(add.wall);
        listCpu.push_back(list.cpu);
        listWall.push_back(list.wall);
    }
    const double a = median(addCpu);
    report({"adding 2,000 installed applications, CPU time", a, median(listCpu), "ms", a < 1000,
            "< 1 s"});
    std::printf("  (by the clock: %.0f ms, GIO listing alone %.0f ms)\n", median(addWall),
                median(listWall));
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

// The drop of 1,000 files until the list is laid out again, against raw inserts followed by a
// click that fills the category: what a drop does, each step at its cheapest.
void measureDrop(int runs) {
    QTemporaryDir dropFolder;
    QDir(dropFolder.path()).mkdir("files");
    const QList<QUrl> files = droptiming::makeFiles(dropFolder.path() + "/files", 1000);
    std::vector<double> drop, raw, click, baseline;
    for (int i = 0; i < runs; ++i) {
        const auto times = droptiming::dropThroughTheList(
            droptiming::freshCatalogue(dropFolder, i, "drop"), files);
        const auto least = droptiming::rawInsertsThenClick(
            droptiming::freshCatalogue(dropFolder, i, "raw"), files);
        if (times.entries != 1000 || least.entries != 1000) {
            std::fprintf(stderr, "the drop listed %d entries and the click %d, not 1000\n",
                         times.entries, least.entries);
            std::exit(2);
        }
        drop.push_back(times.laidOut);
        raw.push_back(least.inserts);
        click.push_back(least.click);
        baseline.push_back(least.inserts + least.click);
    }
    const double d = median(drop);
    const double b = median(baseline);
    report({"dropping 1,000 files onto a category", d, b, "ms", d <= 1.3 * b && d < 150,
            "<= 1.3x, < 150 ms"});
    std::printf("  (baseline: raw inserts %.2f ms, then the click's fill %.2f ms)\n", median(raw),
                median(click));
}

// Peak memory of a child showing the 5,000-shortcut category against one showing the bare list.
void measureMemory(const char* self) {
    std::vector<double> vm, bm;
    for (int i = 0; i < 3; ++i) {
        vm.push_back(childPeakMiB(self, "vantory"));
        bm.push_back(childPeakMiB(self, "bare"));
    }
    const double vMem = median(vm);
    const double bMem = median(bm);
    report({"peak memory showing 5,000 shortcuts", vMem, bMem, "MiB", vMem - bMem <= 10,
            "<= baseline + 10 MiB"});
}

// A merge of 10,000 shortcuts from three computers, 200 of them changed, by its CPU time.
void measureMerge(const QString& folder, int runs) {
    const std::filesystem::path root = folder.toStdString();
    std::filesystem::create_directories(root);
    const synctiming::MergeTimes times =
        synctiming::timeMerges(root, (programFolder() + "/dbBlank.mdb").toStdString(), runs);
    report({"merge of 10,000 shortcuts, three computers, CPU", times.mergeCpu, 0, "ms",
            times.mergeCpu < 1000, "< 1 s"});
    std::printf("  (by the clock %.0f ms; with nothing new %.0f ms, CPU %.0f ms, %s)\n",
                times.merge, times.idle, times.idleCpu,
                times.wroteWhenIdle ? "WROTE" : "wrote nothing");
}

// The rows a run measures, by name: every one unless the command line names some.
struct Selection {
    std::vector<std::string> names;
    bool has(const char* name) const {
        return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit() + "/vantory-bench-runtime");
        QDir().mkpath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
        QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (argc == 2 && std::strcmp(argv[1], "--gio-list-child") == 0) {
        return gioListChild();
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory-child") == 0) {
        QApplication application(argc, argv);
        QIcon::setThemeName(QStringLiteral("Adwaita"));
        return memoryChild(argv[2]);
    }
    QApplication application(argc, argv);
    // The fills draw the icons of a full theme, as a desktop sets one.
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    // --rows a,b,c runs the rows named; --finder and --installed are short for two such sets.
    Selection only;
    int runArgument = 1;
    if (argc > 2 && std::strcmp(argv[1], "--rows") == 0) {
        for (const QString& name : QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','))) {
            only.names.push_back(name.toStdString());
        }
        runArgument = 3;
    } else if (argc > 1 && std::strcmp(argv[1], "--finder") == 0) {
        only.names = {"startup-large", "finder"};
        runArgument = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "--installed") == 0) {
        only.names = {"installed"};
        runArgument = 2;
    }
    const int runs = argc > runArgument ? std::max(3, std::atoi(argv[runArgument])) : 41;
    QTemporaryDir work;

    std::printf("Vantory benchmark, medians of %d interleaved runs\n", runs);
    if (only.has("startup")) {
        const QString small = work.path() + "/small";
        makeCatalogue(small, 100, 100);
        measureStartup(small, "100 x 100 shortcuts", runs, true);
    }
    const QString large = work.path() + "/large";
    if (only.has("startup-large") || only.has("finder") || only.has("find-command")) {
        makeCatalogue(large, 1000, 100);
    }
    if (only.has("startup-large")) {
        measureStartup(large, "1,000 x 100 shortcuts", runs, false);
    }
    if (only.has("finder")) {
        measureFinder(large, runs);
    }
    if (only.has("find-command")) {
        measureFindCommand(large, runs);
    }
    if (only.has("fill")) {
        const auto [v5, b5] = measureFill(work.path() + "/fill5000", 5000, runs);
        report({"loadItems of 5,000 shortcuts, with the paint", v5, b5, "ms", v5 <= 1.0 * b5,
                "<= 1.0x"});
    }
    if (only.has("growth")) {
        const auto [v50, growth, b50] = measureGrowth(
            work.path() + "/grow5000", work.path() + "/grow50000", std::max(3, runs / 2));
        report({"loadItems of 50,000 shortcuts, with the paint", v50, b50, "ms",
                v50 <= 500 && growth <= 12, "<= 500 ms, <= 12x the 5,000", growth});
    }
    if (only.has("drop")) {
        measureDrop(runs);
    }
    if (only.has("installed")) {
        measureAddInstalled(argv[0], work.path() + "/installed", std::min(runs, 11));
    }
    if (only.has("merge")) {
        measureMerge(work.path() + "/merge", std::min(runs, 7));
    }
    if (only.has("memory")) {
        measureMemory(argv[0]);
    }

    const bool allMet =
        std::all_of(rows.begin(), rows.end(), [](const Row& row) { return row.met; });
    std::printf("%s\n", allMet ? "every row within target" : "some rows missed their target");
    return allMet ? 0 : 1;
}
