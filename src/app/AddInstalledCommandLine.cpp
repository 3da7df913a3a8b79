// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AddInstalledCommandLine.h"

#include "app/DataFolder.h"
#include "installed/AddInstalledCommand.h"
#include "installed/AddToCatalogue.h"
#include "installed/CatalogueContent.h"
#include "platform/ApplicationMenu.h"
#include "platform/FileSystem.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <cstdio>

namespace app {

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Makes the catalogue from the template beside the program, as the first start does.
void makeCatalogue(platform::Environment& env, platform::FileSystem& files,
                   const QString& catalogue) {
    const QString base = Main::SpecialFolderPath(env, platform::kCommonAppDataFolder);
    for (const QString& folder : {base + QStringLiteral("/Mellovan"), dataFolder(env)}) {
        if (!files.exists(folder))
            files.createFolder(folder);
    }
    for (const char* name : {"/dbApplications.mdb", "/dbBlank.mdb"}) {
        const QString from = env.programFolder() + QLatin1String(name);
        if (Main::FileExists(files, from)) {
            files.copyFile(from, catalogue);
            return;
        }
    }
}

} // namespace

int addInstalledFromCommandLine(platform::Environment& env, platform::FileSystem& files,
                                platform::ApplicationMenu& menu) {
    const QString catalogue = catalogueFile(env);
    try {
        if (!Main::FileExists(files, catalogue))
            makeCatalogue(env, files, catalogue);
        store::Connection db;
        db.open(catalogue.toStdString());
        if (db.isReadOnly() || db.isDamaged())
            throw store::StoreError(
                QCoreApplication::translate("Vantory", "The catalogue %1 cannot be changed now.")
                    .arg(catalogue)
                    .toStdString());
        const std::vector<installed::CategoryPlan> plans = installed::fileApplications(
            menu.applications(), installed::readCatalogueContent(db), installed::menuRulesOf(env),
            [&db](std::string_view name) { return db.nameKey(name); });
        const std::vector<installed::AddedShortcut> added = installed::addToCatalogue(db, plans);
        QString told;
        for (const installed::AddedShortcut& shortcut : added)
            told += shortcut.group + QStringLiteral(": ") + shortcut.caption + QLatin1Char('\n');
        told += added.empty()
                    ? QCoreApplication::translate(
                          "Vantory", "Nothing was added: every application of the desktop's menu "
                                     "is already in the catalogue.")
                    : QCoreApplication::translate("Vantory",
                                                  "%1 applications were added to the catalogue %2.")
                          .arg(added.size())
                          .arg(catalogue);
        print(stdout, told + QLatin1Char('\n'));
        return 0;
    } catch (const store::CatalogueInUse&) {
        print(stderr, QStringLiteral("vantory: ") +
                          QCoreApplication::translate(
                              "Vantory",
                              "Vantory is running. Add the installed applications from the menu of "
                              "the computer's name in its tree, or close it and try again. Nothing "
                              "was changed.") +
                          QLatin1Char('\n'));
    } catch (const std::exception& e) {
        print(stderr,
              QStringLiteral("vantory: ") + QString::fromStdString(e.what()) + QLatin1Char('\n'));
    }
    return 1;
}

} // namespace app
