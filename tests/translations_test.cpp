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
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
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
    QStringList arguments{QStringLiteral("-no-obsolete"), QStringLiteral("-silent")};
    const QDir sources(kSource.filePath(QStringLiteral("src")));
    for (const QString& entry :
         sources.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot)) {
        if (entry != QStringLiteral("store")) {
            arguments << sources.filePath(entry);
        }
    }
    arguments << QStringLiteral("-ts");
    const QDir shipped(kSource.filePath(QStringLiteral("translations")));
    const QStringList files = shipped.entryList({QStringLiteral("vantory_*.ts")});
    EXPECT_EQ(files, QStringList({QStringLiteral("vantory_ar.ts"), QStringLiteral("vantory_de.ts"),
                                  QStringLiteral("vantory_es.ts"), QStringLiteral("vantory_fr.ts"),
                                  QStringLiteral("vantory_ru.ts")}));
    for (const QString& file : files) {
        ASSERT_TRUE(QFile::copy(shipped.filePath(file), work.filePath(file)));
        arguments << work.filePath(file);
    }
    ASSERT_EQ(QProcess::execute(QStringLiteral(VANTORY_LUPDATE), arguments), 0);

    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile ts(work.filePath(file));
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        int translated = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement ||
                xml.name() != QStringLiteral("translation")) {
                continue;
            }
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            EXPECT_TRUE(type.isEmpty()) << type.toStdString() << ": " << text.toStdString();
            EXPECT_FALSE(text.isEmpty());
            ++translated;
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(translated, 100);
    }
}

TEST_F(InLanguage, ArabicMirrorsTheMainWindowWithTheTreeRightOfTheList) {
    load(QStringLiteral("ar"));
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);
    form.show();

    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    const QRect tree(form.TreeView1()->mapTo(&form, QPoint()), form.TreeView1()->size());
    const QRect list(form.ListView1()->mapTo(&form, QPoint()), form.ListView1()->size());
    EXPECT_GT(tree.left(), list.right());
    EXPECT_EQ(tree.right(), form.width() - 1 - 16 - 8);
}

TEST_F(InLanguage, GermanSpeaksGermanButKeepsTheErrorTrapsLocation) {
    load(QStringLiteral("de"));
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);

    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("PushButton8"))->text(),
              QStringLiteral("Hilfe"));
    EXPECT_EQ(form.layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(groups::groupInputRefusal(QString(), QString()),
              QStringLiteral("Bitte geben Sie einen Gruppennamen ein."));
    EXPECT_EQ(common::applicationErrorText(QStringLiteral("Kaputt"),
                                           QStringLiteral("Form1.Form_Load"), 42),
              QStringLiteral("Kaputt\r\nin Vantory2021/08/31.Form1.Form_Load in Zeile 42\r\n\r\n"
                             "Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an ") +
                  QString::fromLatin1(common::kSupportAddress));
}

} // namespace
