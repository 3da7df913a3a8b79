// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/Translations.h"
#include "common/ErrorTrap.h"
#include "fakes/FakeServices.h"
#include "groups/GroupRules.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QDir kSource(QStringLiteral(VANTORY_SOURCE_DIR));

// Installs the translation of one language for a test, and takes it away again after.
class InLanguage : public ::testing::Test {
  protected:
    void load(const QString& language) {
        ASSERT_EQ(app::loadTranslations({language, QStringLiteral("en")}), language);
    }
    ~InLanguage() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QApplication::removeTranslator(translator);
            delete translator;
        }
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }
};

TEST(Translations, EveryShippedLanguageTranslatesEverySourceText) {
    // The shipped files brought up to date with the sources, as the build's lupdate would:
    // a text added or changed since shows as unfinished, one taken away as vanished.
    QTemporaryDir work;
    QStringList arguments{"-no-obsolete",          "-silent",
                          "-tr-function-alias",    "QT_TRANSLATE_NOOP+=STORE_TEXT",
                          kSource.filePath("src"), "-ts"};
    const QDir shipped(kSource.filePath(QStringLiteral("translations")));
    const QStringList files = shipped.entryList({QStringLiteral("vantory_*.ts")});
    EXPECT_EQ(files.join(u' '), QStringLiteral("vantory_ar.ts vantory_de.ts vantory_es.ts "
                                               "vantory_fr.ts vantory_ru.ts"));
    for (const QString& file : files) {
        ASSERT_TRUE(QFile::copy(shipped.filePath(file), work.filePath(file)));
        arguments << work.filePath(file);
    }
    ASSERT_EQ(QProcess::execute(QStringLiteral(VANTORY_LUPDATE), arguments), 0);

    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile ts(work.filePath(file));
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ts.readAll());
        // Unfinished, vanished or obsolete entries carry a type; finished ones have text.
        const QRegularExpression open(QStringLiteral("<translation[^>]+>|<translation></"));
        EXPECT_FALSE(text.contains(open)) << open.match(text).capturedStart();
        EXPECT_GT(text.count(QStringLiteral("<translation>")), 100);
    }
}

TEST_F(InLanguage, ArabicMirrorsTheMainWindowWithTheTreeRightOfTheList) {
    load(QStringLiteral("ar"));
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);
    form.show();

    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    // The tree's right edge stands where its left edge stood left to right.
    const int treeLeft = form.TreeView1()->mapTo(&form, QPoint()).x();
    EXPECT_GT(treeLeft, form.ListView1()->mapTo(&form, QPoint(form.ListView1()->width(), 0)).x());
    EXPECT_EQ(treeLeft + form.TreeView1()->width(), form.width() - 8 - 16);
}

TEST_F(InLanguage, GermanSpeaksGermanButKeepsTheErrorTrapsLocation) {
    load(QStringLiteral("de"));
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);

    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("PushButton8"))->text(),
              QStringLiteral("Hilfe"));
    EXPECT_EQ(groups::groupInputRefusal(QString(), QString()),
              QStringLiteral("Bitte geben Sie einen Gruppennamen ein."));
    EXPECT_EQ(common::applicationErrorText(QStringLiteral("Kaputt"),
                                           QStringLiteral("Form1.Form_Load"), 42),
              QStringLiteral("Kaputt\r\nin Vantory2021/08/31.Form1.Form_Load in Zeile 42\r\n\r\n"
                             "Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an ") +
                  QString::fromLatin1(common::kSupportAddress));
}

} // namespace
