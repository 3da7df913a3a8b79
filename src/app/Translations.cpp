// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

QString loadTranslations(const QStringList& languages) {
    for (const QString& language : languages) {
        // The program's own are built in, under the names the build gave them.
        auto* own = new QTranslator(qApp);
        if (!own->load(QLocale(language), QStringLiteral("vantory"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QApplication::installTranslator(own);
        // Qt's own (dialogs, standard buttons) when the desktop has them installed.
        auto* qt = new QTranslator(qApp);
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QApplication::installTranslator(qt);
        } else {
            delete qt;
        }
        QApplication::setLayoutDirection(QLocale(language).textDirection());
        return language;
    }
    return {};
}

} // namespace app
