#pragma once

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Images.h"
#include "platform/MessageBoxes.h"
#include "platform/PlatformError.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

namespace fakes {

struct ShownMessage {
    QString text;
    QString title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
};

// Records every message box and answers questions from a script (Yes when it runs out).
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
            return platform::MessageAnswer::Yes;
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

// Records every shell request.
class FakeShell : public platform::Shell {
  public:
    void execute(const platform::ShellRequest& request) override { requests.push_back(request); }
    std::vector<platform::ShellRequest> requests;
};

// A file system of named files and folders kept in memory; copies carry the content along.
class FakeFileSystem : public platform::FileSystem {
  public:
    bool exists(const QString& path) override {
        return files.contains(path) || folders.contains(path);
    }
    bool isNormalFile(const QString& path) override { return files.contains(path); }
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

    QMap<QString, QString> files;
    QSet<QString> folders;
    QSet<QString> failCreate;
    bool failCopy = false;
    std::vector<std::pair<QString, QString>> copies;
    std::function<void(const QString&, const QString&)> onCopy;
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
    QString specialFolderPath(int folder) override { return folder == 35 ? dataHome : QString(); }
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

// Every fake, handed out as the program's services.
struct FakePlatform {
    FakeMessageBoxes messages;
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeImages images;
    FakeShell shell;
    platform::Services services{messages, files, environment, images, shell};
};

} // namespace fakes
