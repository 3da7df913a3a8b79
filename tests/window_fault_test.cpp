// SPDX-License-Identifier: GPL-3.0-or-later
// Failed writes lose nothing, seen from the window: every command that writes is driven through
// the real buttons and editors while the Nth write or sync of the catalogue file fails, for
// N = 1, 2, ... until the command runs without a fault. After each failure the catalogue must be
// sound and hold all the rows of before the command or all of after it, a change that did not
// reach the file must have been reported, an editor whose save failed must still be open with
// what the user typed, and a drop must list exactly the rows that were stored.

#include "fakes/EditorInput.h"
#include "fakes/FaultyVfs.h"
#include "fakes/Form1Fixture.h"
#include "store/Rows.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using fakes::FaultyVfs;
using platform::MessageAnswer;

struct Rows {
    std::vector<store::GroupRow> groups;
    std::vector<store::ItemRow> items;
    bool operator==(const Rows&) const = default;
};

// Every row of both tables in stored order, so that a moved or doubled row shows too.
Rows rowsOf(store::Connection& db) {
    Rows rows;
    for (auto rs = db.query("select * from tblGroups order by rowid"); !rs.eof(); rs.moveNext()) {
        rows.groups.push_back(store::readGroupRow(rs));
    }
    for (auto rs = db.query("select * from tblItems order by rowid"); !rs.eof(); rs.moveNext()) {
        rows.items.push_back(store::readItemRow(rs));
    }
    return rows;
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

enum class Command {
    AddGroup,
    RenameGroup,
    DeleteGroup,
    AddShortcut,
    EditShortcut,
    DeleteShortcut,
    Drop50Files
};

const char* nameOf(Command command) {
    switch (command) {
    case Command::AddGroup:
        return "group add";
    case Command::RenameGroup:
        return "group rename with its shortcuts";
    case Command::DeleteGroup:
        return "group delete with its shortcuts";
    case Command::AddShortcut:
        return "shortcut add";
    case Command::EditShortcut:
        return "shortcut edit";
    case Command::DeleteShortcut:
        return "shortcut delete";
    case Command::Drop50Files:
        return "drop of 50 files";
    }
    return "";
}

// What the user saw of one run of a command.
struct Seen {
    int applicationErrors = 0;
    bool editorStayedOpen = false;
    bool editorKeptInput = false;
    QStringList list; // the shortcut list afterwards
};

struct Tally {
    int faultsInjected = 0; // runs in which a write or sync failed
    int reported = 0;       // ... and the "Application Error" box showed
    int lostOrChanged = 0;  // ... and anything was lost, changed or shown wrongly
};

class WindowFaults : public fakes::Form1Fixture, public ::testing::WithParamInterface<Command> {
  protected:
    void SetUp() override {
        for (const char* name : {"Games", "Office", "Tools"}) {
            store::insertGroup(db(), fakes::group(name, std::string("All of ") + name));
            for (int i = 0; i < 4; ++i) {
                store::insertItem(db(),
                                  fakes::item(name, std::string(name) + " " + std::to_string(i), 2,
                                              "/usr/bin/tool" + std::to_string(i)));
            }
        }
        globals.gConnection.reset(); // back to a plain single file
        seed = bytesOf(path());
        before = rowsOf(*catalogue.open());

        // The rows after the command, run once without a fault.
        const Seen clean = runCommand("");
        ASSERT_EQ(clean.applicationErrors, 0) << platform.messages.texts().join("|").toStdString();
        globals.gConnection.reset();
        after = rowsOf(*catalogue.open());
        ASSERT_NE(before, after) << "the command changes nothing";
    }

    std::string path() const { return catalogue.path().toStdString(); }
    Command command() const { return GetParam(); }
    bool usesEditor() const {
        return command() == Command::AddGroup || command() == Command::RenameGroup ||
               command() == Command::AddShortcut || command() == Command::EditShortcut;
    }

    // Puts the seed catalogue back, opens it through vfs, shows it and runs the command through
    // the window; a fault armed in between hits only the command and the closing.
    Seen runCommand(const std::string& vfs, std::function<void()> arm = {}) {
        globals.gConnection.reset();
        for (const char* extra : {"-wal", "-shm", "-journal"}) {
            std::filesystem::remove(path() + extra);
        }
        std::ofstream(path(), std::ios::binary | std::ios::trunc) << seed;
        reopenThrough(vfs);
        platform.messages.shown.clear();
        platform.messages.answers.clear();
        platform.modal.drivers.clear();
        prepare();
        if (arm) {
            arm();
        }
        Seen seen;
        drive(seen);
        for (const fakes::ShownMessage& m : platform.messages.shown) {
            seen.applicationErrors += m.title == "Application Error" ? 1 : 0;
        }
        seen.list = listCaptions();
        return seen;
    }

    // Selects what the command works on, as the user does.
    void prepare() {
        switch (command()) {
        case Command::AddGroup:
            form.loadGroups();
            break;
        case Command::RenameGroup:
            clickCategory("Office");
            break;
        case Command::DeleteGroup:
            clickCategory("Tools");
            break;
        case Command::AddShortcut:
        case Command::Drop50Files:
            clickCategory("Games");
            break;
        case Command::EditShortcut:
        case Command::DeleteShortcut:
            clickCategory("Games");
            clickShortcut("Games 2");
            break;
        }
    }

    // Fills an editor and saves; when the save fails the editor must stay open with the input.
    void editorDriver(Seen& seen, std::vector<std::pair<QString, QString>> input,
                      QString option = {}) {
        platform.modal.drivers.push_back([&seen, input, option](QDialog* editor) {
            if (!option.isEmpty()) {
                fakes::click(editor, option);
            }
            for (const auto& [name, text] : input) {
                fakes::type(editor, name, text);
            }
            fakes::click(editor, "PushButton3");
            seen.editorStayedOpen = editor->isVisible();
            seen.editorKeptInput = true;
            for (const auto& [name, text] : input) {
                seen.editorKeptInput = seen.editorKeptInput && fakes::textOf(editor, name) == text;
            }
            // Left open, the editor is closed like the close box.
        });
    }

    void drive(Seen& seen) {
        switch (command()) {
        case Command::AddGroup:
            editorDriver(seen, {{"Text1", "Music"}, {"Text2", "songs"}});
            clickButton(1);
            break;
        case Command::RenameGroup:
            editorDriver(seen, {{"Text1", "Work"}});
            clickButton(2);
            break;
        case Command::DeleteGroup:
            platform.messages.answers.push_back(MessageAnswer::Yes);
            clickButton(3);
            break;
        case Command::AddShortcut:
            editorDriver(seen, {{"Text1", "Site"}, {"Text3", "www.example.org"}}, "Option3");
            clickButton(4);
            break;
        case Command::EditShortcut:
            editorDriver(seen, {{"Text1", "Chess"}, {"Text2", "Board game"}});
            clickButton(5);
            break;
        case Command::DeleteShortcut:
            platform.messages.answers.push_back(MessageAnswer::Yes);
            clickButton(6);
            break;
        case Command::Drop50Files:
            dropFiles(50);
            break;
        }
        EXPECT_TRUE(platform.modal.drivers.empty()) << "no editor opened";
    }

    // Drags 50 files from a file manager onto the list and lets go.
    void dropFiles(int count) {
        QMimeData data;
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i) {
            urls << QUrl::fromLocalFile(QStringLiteral("/home/me/files/dropped-%1.txt").arg(i));
        }
        data.setUrls(urls);
        QWidget* viewport = form.ListView1()->viewport();
        const QPoint at = viewport->rect().bottomRight() - QPoint(5, 5);
        const Qt::DropActions offered = Qt::CopyAction | Qt::LinkAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &drop);
    }

    // Runs the command with the nth call of that kind failing; false when no call failed.
    bool runWithFault(FaultyVfs::Call call, FaultyVfs::Mode mode, int n, Tally& tally) {
        FaultyVfs& vfs = FaultyVfs::instance();
        const std::string context = std::string(nameOf(command())) + ", " +
                                    (call == FaultyVfs::Call::Write ? "write " : "sync ") +
                                    std::to_string(n) +
                                    (mode == FaultyVfs::Mode::Once ? " fails" : " on fail");
        const Seen seen = runCommand(FaultyVfs::name(), [&] { vfs.failAt(call, n, mode); });
        globals.gConnection.reset(); // closing, with the fault still armed, checkpoints the log
        const bool faulted = vfs.faults() > 0;
        vfs.reset();
        if (!faulted) {
            EXPECT_EQ(seen.applicationErrors, 0) << context;
            return false;
        }
        ++tally.faultsInjected;
        tally.reported += seen.applicationErrors > 0 ? 1 : 0;

        auto reopened = catalogue.open();
        auto check = reopened->query("PRAGMA integrity_check");
        const std::string integrity = check.eof() ? "" : check.field("integrity_check").text();
        const Rows stored = rowsOf(*reopened);
        bool sound = !reopened->isDamaged() && integrity == "ok";
        EXPECT_TRUE(sound) << context << ": " << integrity;

        bool whole = true;
        if (command() == Command::Drop50Files) {
            // Nothing but the dropped rows may change, and the list shows exactly those stored.
            whole = stored.groups == before.groups &&
                    std::equal(before.items.begin(), before.items.end(), stored.items.begin(),
                               stored.items.begin() +
                                   std::min(before.items.size(), stored.items.size())) &&
                    stored.items.size() >= before.items.size();
            QStringList storedInGames;
            for (const store::ItemRow& row : stored.items) {
                if (row.groupcaption == "Games") {
                    storedInGames << QString::fromStdString(row.itemcaption);
                }
            }
            QStringList listed = seen.list;
            listed.sort();
            storedInGames.sort();
            EXPECT_EQ(listed, storedInGames) << context << ": the list shows other rows";
            whole = whole && listed == storedInGames;
            if (stored.items.size() < after.items.size()) {
                EXPECT_GT(seen.applicationErrors, 0) << context << ": rows lost silently";
                whole = whole && seen.applicationErrors > 0;
            }
        } else {
            const bool allOrNothing = stored == before || stored == after;
            EXPECT_TRUE(allOrNothing) << context << ": rows neither all before nor all after";
            const bool lostSilently = stored != after && seen.applicationErrors == 0;
            EXPECT_FALSE(lostSilently) << context << ": reported as saved but lost";
            whole = allOrNothing && !lostSilently;
        }
        if (usesEditor() && seen.applicationErrors > 0) {
            EXPECT_TRUE(seen.editorStayedOpen) << context << ": the failed editor closed";
            EXPECT_TRUE(seen.editorKeptInput) << context << ": the editor lost the input";
            whole = whole && seen.editorStayedOpen && seen.editorKeptInput;
        }
        if (usesEditor() && seen.editorStayedOpen) {
            EXPECT_GT(seen.applicationErrors, 0) << context << ": an editor stayed open silently";
        }
        if (!sound || !whole) {
            ++tally.lostOrChanged;
        }
        return true;
    }

    std::string seed;
    Rows before;
    Rows after;
};

TEST_P(WindowFaults, LoseNothing) {
    Tally total;
    fakes::forEveryFault(nameOf(command()), 500, [&](auto call, auto mode, int n) {
        return runWithFault(call, mode, n, total);
    });
    std::cout << "[ faults   ] window, " << nameOf(command()) << ": " << total.faultsInjected
              << " runs with a failing write or sync, " << total.reported
              << " showed \"Application Error\", " << total.lostOrChanged
              << " lost or changed anything\n";
    EXPECT_EQ(total.lostOrChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(Window, WindowFaults,
                         ::testing::Values(Command::AddGroup, Command::RenameGroup,
                                           Command::DeleteGroup, Command::AddShortcut,
                                           Command::EditShortcut, Command::DeleteShortcut,
                                           Command::Drop50Files),
                         [](const ::testing::TestParamInfo<Command>& info) {
                             std::string name;
                             for (const char c : std::string(nameOf(info.param))) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

} // namespace
