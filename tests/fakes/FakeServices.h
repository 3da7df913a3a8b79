// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ApplicationMenu.h"
#include "platform/DesktopEntryNames.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Images.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalWindows.h"
#include "platform/PlatformError.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "platform/TargetIcons.h"

#include <QColor>
#include <QDialog>
#include <QMap>
#include <QSet>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace fakes {

struct ShownMessage {
    QString text;
    QString title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
};

// Records every message box and answers questions from a script. A question nobody scripted
// fails the test and is answered No.
class FakeMessageBoxes : public platform::MessageBoxes {
  public:
    platform::MessageAnswer show(QWidget*, const QString& text, const QString& title,
                                 platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        if (buttons == platform::MessageButtons::Ok) {
            return platform::MessageAnswer::Ok;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << text.toStdString();
            return platform::MessageAnswer::No;
        }
        const platform::MessageAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    QStringList texts() const {
        QStringList all;
        for (const ShownMessage& m : shown) {
            all << m.text;
        }
        return all;
    }

    std::vector<ShownMessage> shown;
    std::vector<platform::MessageAnswer> answers;
};

// Records every shell request; a test that wants to see what the desktop would do with it
// hands it on to a real shell.
class FakeShell : public platform::Shell {
  public:
    bool execute(const platform::ShellRequest& request) override {
        requests.push_back(request);
        if (handOnTo) {
            return handOnTo->execute(request);
        }
        return starts;
    }
    std::vector<platform::ShellRequest> requests;
    platform::Shell* handOnTo = nullptr;
    // What every request does when none is handed on: starts, or is called off.
    bool starts = true;
};

// A file system of named files and folders kept in memory; copies carry the content along.
// Its files are plain documents.
class FakeFileSystem : public platform::FileSystem {
  public:
    platform::FileFacts inspect(const QString& path) override {
        if (onInspect) {
            onInspect(path);
        }
        if (handOnTo != nullptr) {
            return handOnTo->inspect(path);
        }
        platform::FileFacts facts;
        if (folders.contains(path)) {
            facts.kind = platform::FileKind::Folder;
        } else if (files.contains(path)) {
            facts.kind = platform::FileKind::File;
        }
        return facts;
    }
    void createFolder(const QString& path) override {
        if (failCreate.contains(path)) {
            throw platform::PlatformError("The folder could not be created.");
        }
        folders.insert(path);
    }
    void copyFile(const QString& from, const QString& to) override {
        copies.push_back({from, to});
        if (!files.contains(from) || failCopy) {
            throw platform::PlatformError("The file could not be copied.");
        }
        files[to] = files[from];
        if (onCopy) {
            onCopy(from, to);
        }
    }
    QString readText(const QString& path) override {
        if (!files.contains(path)) {
            throw platform::PlatformError("The file could not be read.");
        }
        return files[path];
    }

    std::vector<platform::FileKind> kindsOf(const QStringList& paths) override {
        return handOnTo != nullptr ? handOnTo->kindsOf(paths) : FileSystem::kindsOf(paths);
    }

    QMap<QString, QString> files;
    QSet<QString> folders;
    QSet<QString> failCreate;
    platform::FileSystem* handOnTo = nullptr; // asked what paths are instead, when set
    bool failCopy = false;
    std::vector<std::pair<QString, QString>> copies;
    std::function<void(const QString&, const QString&)> onCopy;
    // Runs as a path is looked at, on whichever thread looks.
    std::function<void(const QString&)> onInspect;
};

class FakeEnvironment : public platform::Environment {
  public:
    std::optional<QString> variable(const QString& name) override {
        if (variables.contains(name)) {
            return variables.value(name);
        }
        return std::nullopt;
    }
    QString hostName() override { return host; }
    QString specialFolderPath(int folder) override {
        return folder == platform::kCommonAppDataFolder ? dataHome : QString();
    }
    QString programFolder() override { return program; }

    QMap<QString, QString> variables;
    QString host = QStringLiteral("testhost");
    QString dataHome = QStringLiteral("/data");
    QString program = QStringLiteral("/opt/vantory");
};

// Pictures and pointers: a scripted set of loadable paths.
class FakeImages : public platform::Images {
  public:
    QPixmap loadPicture(const QString& path) override {
        loaded.push_back(path);
        if (!pictures.contains(path)) {
            throw platform::PlatformError("The picture could not be loaded.");
        }
        QPixmap picture(8, 8);
        picture.fill(pictures.value(path));
        return picture;
    }
    QCursor loadCursor(const QString& path) override {
        loaded.push_back(path);
        if (!cursorFiles.contains(path)) {
            throw platform::PlatformError("The pointer file could not be loaded.");
        }
        return QCursor(Qt::CrossCursor);
    }

    QMap<QString, QColor> pictures;
    QSet<QString> cursorFiles;
    QStringList loaded;
};

// One call of a common dialog, as the caller made it.
struct DialogCall {
    enum Kind { OpenFile, Colour, Folder } kind;
    QWidget* owner;
    QString title;
    QString filter;      // file-open only
    QColor initial;      // colour only
    QString startFolder; // folder only
};

// Common dialogs answering from scripts: a queue of answers for each dialog. A dialog that
// opens with nothing scripted fails the test and is cancelled.
class FakeDialogs : public platform::Dialogs {
  public:
    QString openFile(QWidget* owner, const QString& title, const QString& filter) override {
        calls.push_back({DialogCall::OpenFile, owner, title, filter, {}, {}});
        return next(files, title, QString());
    }
    std::optional<QColor> chooseColour(QWidget* owner, const QString& title,
                                       const QColor& initial) override {
        calls.push_back({DialogCall::Colour, owner, title, {}, initial, {}});
        return next(colours, title, std::optional<QColor>());
    }
    QString chooseFolder(QWidget* owner, const QString& title,
                         const QString& startFolder) override {
        calls.push_back({DialogCall::Folder, owner, title, {}, {}, startFolder});
        return next(folders, title, QString());
    }

    std::deque<QString> files;                 // "" is a cancel
    std::deque<std::optional<QColor>> colours; // none is a cancel
    std::deque<QString> folders;               // "" is a cancel
    std::vector<DialogCall> calls;

  private:
    template <class T> T next(std::deque<T>& script, const QString& title, T cancel) {
        if (script.empty()) {
            ADD_FAILURE() << "unscripted dialog: " << title.toStdString();
            return cancel;
        }
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

// Records every value written to the settings store.
class FakeSettings : public platform::Settings {
  public:
    struct Write {
        QString section, key, value;
        bool operator==(const Write&) const = default;
    };
    void setValue(const QString& section, const QString& key, const QString& value) override {
        writes.push_back({section, key, value});
    }
    std::vector<Write> writes;
};

// Shows each editor without blocking and hands it to the next scripted driver, which fills
// fields and clicks buttons as a user would. An editor nobody scripted fails the test and is
// closed as cancelled.
class FakeModalWindows : public platform::ModalWindows {
  public:
    int showModal(QDialog* window) override {
        shownTitles << window->windowTitle();
        window->setResult(QDialog::Rejected);
        window->show();
        if (drivers.empty()) {
            ADD_FAILURE() << "unscripted window: " << window->windowTitle().toStdString();
            window->reject();
            return QDialog::Rejected;
        }
        auto driver = std::move(drivers.front());
        drivers.pop_front();
        driver(window);
        if (window->isVisible()) {
            // The driver left the editor open: it closes like the close box.
            window->reject();
        }
        return window->result();
    }

    std::deque<std::function<void(QDialog*)>> drivers;
    QStringList shownTitles;
};

// Desktop entries by path: a file nobody named is no desktop entry.
class FakeDesktopEntryNames : public platform::DesktopEntryNames {
  public:
    std::optional<QString> displayName(const QString& path) override {
        if (names.contains(path)) {
            return names.value(path);
        }
        return std::nullopt;
    }
    QMap<QString, QString> names;
};

// A desktop that knows no target's icon: every shortcut shows its kind's picture, unless a test
// hands the question on to real icons.
class FakeTargetIcons : public platform::TargetIcons {
  public:
    QIcon icon(Target target, const QString& path, const QIcon& fallback) override {
        asked << path;
        return handOnTo ? handOnTo->icon(target, path, fallback) : fallback;
    }
    platform::TargetIcons* handOnTo = nullptr;
    // The targets asked about, in order.
    QStringList asked;
};

// Launch counts kept in memory.
class FakeLaunchCounts : public platform::LaunchCounts {
  public:
    QHash<QString, int> all() override { return counts; }
    void noteLaunch(const QString& category, const QString& caption) override {
        ++counts[key(category, caption)];
    }
    QHash<QString, int> counts;
};

// The desktop's menu: asking it fails the test unless a test hands the question on to a real
// one (the desktop's, on a private applications folder).
class FakeApplicationMenu : public platform::ApplicationMenu {
  public:
    std::vector<platform::DesktopApplication> applications() override {
        if (handOnTo == nullptr) {
            ADD_FAILURE() << "unscripted read of the desktop's menu";
            return {};
        }
        return handOnTo->applications();
    }
    platform::ApplicationMenu* handOnTo = nullptr;
};

// Every fake but the file system, which is FileSystem, handed out as the program's services.
template <class FileSystem> struct FakeServicesOn {
    FakeMessageBoxes messages;
    FileSystem files;
    FakeEnvironment environment;
    FakeImages images;
    FakeShell shell;
    FakeDialogs dialogs;
    FakeSettings settings;
    FakeModalWindows modal;
    FakeDesktopEntryNames entryNames;
    FakeTargetIcons targetIcons;
    FakeLaunchCounts launchCounts;
    FakeApplicationMenu applicationMenu;
    platform::Services services{messages,   files,       environment,  images,
                                shell,      dialogs,     settings,     modal,
                                entryNames, targetIcons, launchCounts, applicationMenu};

    // The same services with other message boxes and pictures, for a window of its own.
    platform::Services servicesWith(platform::MessageBoxes& boxes, platform::Images& pictures) {
        return {boxes,    files, environment, pictures,    shell,        dialogs,
                settings, modal, entryNames,  targetIcons, launchCounts, applicationMenu};
    }
};

// Every fake, handed out as the program's services.
using FakePlatform = FakeServicesOn<FakeFileSystem>;

} // namespace fakes
