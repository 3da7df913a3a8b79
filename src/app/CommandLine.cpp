// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/DataFolder.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace app {

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    CommandLine line;
    if (argc <= 1) {
        // Nothing to read: a plain start spends nothing here.
        return line;
    }
    // The parser's help names the program from the application object, which the desktop's
    // is not yet allowed to be: a plain one serves while the command line is read.
    QCoreApplication reader(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantory"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTORY_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Open your programs, folders, web addresses and files with one click."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption find(
        QStringLiteral("find"),
        QStringLiteral("Open the window with the finder open, and TEXT typed in it. A running "
                       "Vantory opens its own finder."));
    parser.addOption(find);
    const QCommandLineOption restore(
        QStringLiteral("restore"),
        QStringLiteral("Put BACKUP in place of the catalogue (with no Vantory running); the "
                       "catalogue as it was is kept beside the backups."),
        QStringLiteral("BACKUP"));
    parser.addOption(restore);
    const QCommandLineOption addInstalled(
        QStringLiteral("add-installed"),
        QStringLiteral("Add the applications of the desktop's menu that the catalogue does not "
                       "hold yet, each under its menu category, and print what was added."));
    parser.addOption(addInstalled);
    const QCommandLineOption syncFolder(
        QStringLiteral("sync-folder"),
        QStringLiteral("Keep the catalogue in step with other computers through DIR, a folder "
                       "that a file-sync program keeps the same on each; \"\" to stop."),
        QStringLiteral("DIR"));
    parser.addOption(syncFolder);
    const QCommandLineOption syncNow(
        QStringLiteral("sync-now"),
        QStringLiteral("Merge the catalogue with the other computers' changes in the synced "
                       "folder now, and end without a window."));
    parser.addOption(syncNow);
    // Qt's own options (-platform xcb, -style fusion, -reverse, …) are the application
    // object's, taken after this: they pass here unseen.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "name", "title", "visual", "geometry", "style", "stylesheet"}) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    parser.addPositionalArgument(QStringLiteral("TEXT"),
                                 QStringLiteral("What to type into the finder (with --find)."),
                                 QStringLiteral("[TEXT]"));

    const QString program = QStringLiteral("vantory");
    const auto refuse = [&](const QString& error) {
        print(stderr, program + QStringLiteral(": ") + error + QLatin1Char('\n') +
                          QStringLiteral("Try '%1 --help' for more information.\n").arg(program));
        line.exitCode = 2;
        return line;
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        return refuse(parser.errorText());
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        line.exitCode = 0;
        return line;
    }
    if (parser.isSet(version)) {
        print(stdout,
              program + QLatin1Char(' ') + QStringLiteral(VANTORY_VERSION) + QLatin1Char('\n'));
        line.exitCode = 0;
        return line;
    }
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(addInstalled)) {
        if (!words.isEmpty() || parser.isSet(restore) || parser.isSet(find)) {
            return refuse(QStringLiteral("--add-installed takes nothing else."));
        }
        line.addInstalled = true;
        return line;
    }
    if (parser.isSet(syncFolder) || parser.isSet(syncNow)) {
        if (!words.isEmpty()) {
            return refuse(QStringLiteral("Unexpected argument '%1'.").arg(words.first()));
        }
        if (parser.isSet(syncFolder)) {
            line.syncFolder = parser.value(syncFolder);
        }
        line.syncNow = parser.isSet(syncNow);
        return line;
    }
    if (parser.isSet(restore)) {
        if (!words.isEmpty()) {
            return refuse(QStringLiteral("Unexpected argument '%1'.").arg(words.first()));
        }
        line.restore = parser.value(restore);
        return line;
    }
    if (!parser.isSet(find)) {
        return words.isEmpty()
                   ? line
                   : refuse(QStringLiteral("Unexpected argument '%1'.").arg(words.first()));
    }
    line.find = words.join(QLatin1Char(' '));
    return line;
}

int restoreFromCommandLine(platform::Environment& env, const QString& backup) {
    const QString catalogue = catalogueFile(env);
    const std::filesystem::path folder =
        std::filesystem::path(dataFolder(env).toStdString()) / "backups";
    const QString from = QFileInfo(backup).absoluteFilePath();
    try {
        const store::RestoreResult result = store::restoreBackup(
            catalogue.toStdString(), from.toStdString(), folder, std::chrono::system_clock::now());
        QString told =
            QStringLiteral("The backup %1 has been restored into %2.").arg(from, catalogue);
        if (!result.keptAs.empty()) {
            told += QStringLiteral(" The catalogue as it was is kept as %1.")
                        .arg(QString::fromStdString(result.keptAs.string()));
        }
        print(stdout, told + QLatin1Char('\n'));
        return 0;
    } catch (const store::CatalogueInUse&) {
        print(stderr, QStringLiteral("vantory: Vantory is running. Close it, then restore again. "
                                     "Nothing was changed.\n"));
    } catch (const std::exception& e) {
        print(stderr,
              QStringLiteral("vantory: ") + QString::fromStdString(e.what()) + QLatin1Char('\n'));
    }
    return 1;
}

} // namespace app
