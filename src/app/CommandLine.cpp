// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/DataFolder.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace app {

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

} // namespace

Command readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption restore(
        QStringLiteral("restore"),
        QStringLiteral("Put BACKUP in place of the catalogue (with no Vantory running); the "
                       "catalogue as it was is kept beside the backups."),
        QStringLiteral("BACKUP"));
    parser.addOption(restore);
    Command command;
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("vantory: ") + parser.errorText());
        command.action = Command::Action::Exit;
        command.exitCode = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("vantory: unexpected argument: ") +
                          parser.positionalArguments().constFirst());
        command.action = Command::Action::Exit;
        command.exitCode = 2;
    } else if (parser.isSet(restore)) {
        command.action = Command::Action::Restore;
        command.backup = parser.value(restore);
    }
    return command;
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
        print(stdout, told);
        return 0;
    } catch (const store::CatalogueInUse&) {
        print(stderr, QStringLiteral("vantory: Vantory is running. Close it, then restore again. "
                                     "Nothing was changed."));
    } catch (const std::exception& e) {
        print(stderr, QStringLiteral("vantory: ") + QString::fromStdString(e.what()));
    }
    return 1;
}

} // namespace app
