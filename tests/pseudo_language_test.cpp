// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and message box in a language made from English at test time, whose texts are
// marked and two fifths longer: a text without the mark never reached translation, and a text
// that is cut or runs into another control would be cut in a real language too.

#include "PseudoLanguage.h"
#include "common/TextFit.h"
#include "fakes/EditorInput.h"
#include "fakes/Form1Fixture.h"
#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopMessageBoxes.h"
#include "store/Statements.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {

// Installed before the window is built, so that its forms are translated as they are set up.
struct PseudoLanguageInstalled {
    PseudoLanguageInstalled()
        : translator(pseudo::contextsOf(QStringLiteral(VANTORY_SOURCE_DIR) +
                                        QStringLiteral("/translations/vantory_de.ts"))) {
        QApplication::installTranslator(&translator);
    }
    ~PseudoLanguageInstalled() { QApplication::removeTranslator(&translator); }
    pseudo::Translator translator;
};

QString nameOf(const QWidget* control) {
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

bool isPlaced(const QWidget* control) {
    return !control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_") &&
           !control->isWindow();
}

// What is wrong with a window as it shows: texts without the mark, texts cut, controls that
// run into each other.
QStringList faultsOf(QWidget* window) {
    QStringList faults;
    const QString where = nameOf(window) + QStringLiteral(": ");
    // The product's name is the same in every language.
    if (window->windowTitle() != QStringLiteral("Vantory") &&
        !pseudo::isMarked(window->windowTitle())) {
        faults << where + QStringLiteral("title ") + window->windowTitle();
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->property("fitsItself").toBool()) {
            continue;
        }
        QStringList texts;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            texts << button->text();
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            texts << frame->title();
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        }
        for (const QString& text : texts) {
            if (!pseudo::isMarked(text)) {
                faults << where + nameOf(control) + QStringLiteral(" says ") + text;
            }
        }
        if (!texts.isEmpty() && !common::textFits(control)) {
            faults << where + nameOf(control) + QStringLiteral(" cuts ") + texts.join(u'|');
        }
        if (isPlaced(control)) {
            for (QWidget* other :
                 control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != control && isPlaced(other) && other->isVisibleTo(window) &&
                    nameOf(control) < nameOf(other) &&
                    control->geometry().intersects(other->geometry())) {
                    const auto at = [](const QRect& r) {
                        return QStringLiteral(" (%1,%2 %3x%4)")
                            .arg(r.x())
                            .arg(r.y())
                            .arg(r.width())
                            .arg(r.height());
                    };
                    faults << where + nameOf(control) + at(control->geometry()) +
                                  QStringLiteral(" runs into ") + nameOf(other) +
                                  at(other->geometry());
                }
            }
        }
    }
    return faults;
}

class PseudoLanguage : private PseudoLanguageInstalled, public fakes::Form1Fixture {
  protected:
    PseudoLanguage() {
        store::insertGroup(db(), fakes::group("Tools"));
        store::insertItem(db(), fakes::item("Tools", "Editor", 2, "/usr/bin/gone"));
        store::insertItem(db(), fakes::item("Tools", "Mail", 4, "me@example.org"));
        form.loadGroups();
    }

    // Looks at the next editor that opens, then lets `then` finish with it.
    void inspectNextEditor(std::function<void(QDialog*)> then) {
        platform.modal.drivers.push_back([this, then](QDialog* editor) {
            faults << faultsOf(editor);
            then(editor);
        });
    }

    QStringList faults;
};

TEST_F(PseudoLanguage, EveryWindowShowsEveryTextTranslatedAndWhole) {
    faults << faultsOf(&form);

    // The category editor, adding and editing; adding still adds in another language.
    inspectNextEditor([](QDialog* editor) {
        fakes::type(editor, "Text1", "Games");
        fakes::click(editor, "PushButton3");
    });
    clickButton(1);
    EXPECT_NE(findCategory("Games"), nullptr) << "the translated Add button adds";
    clickCategory("Tools");
    inspectNextEditor([](QDialog* editor) { fakes::click(editor, "PushButton4"); });
    clickButton(2);

    // The shortcut editor with each kind, adding; then editing.
    clickCategory("Tools");
    inspectNextEditor([this](QDialog* editor) {
        for (const char* kind : {"Option1", "Option3", "Option4", "Option2"}) {
            fakes::click(editor, kind);
            faults << faultsOf(editor);
        }
        fakes::click(editor, "Option3");
        fakes::type(editor, "Text1", "Site");
        fakes::type(editor, "Text3", "www.example.org");
        fakes::click(editor, "PushButton3");
    });
    clickButton(4);
    EXPECT_EQ(form.ListView1()->findItems("Site", Qt::MatchExactly).size(), 1)
        << "the translated Add button adds";
    form.ListView1()->setCurrentItem(form.ListView1()->findItems("Editor", Qt::MatchExactly)[0]);
    inspectNextEditor([](QDialog* editor) { fakes::click(editor, "PushButton4"); });
    clickButton(5);

    // The shortcut-file editor.
    inspectNextEditor([](QDialog* editor) { fakes::click(editor, "PushButton4"); });
    clickButton(9);

    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST_F(PseudoLanguage, EveryMessageIsTranslated) {
    // Each of these makes the program tell or ask something.
    const struct {
        const char* what;
        std::function<void()> act;
    } messages[] = {
        {"a category without a name",
         [&] {
             platform.modal.drivers.push_back([](QDialog* editor) {
                 fakes::click(editor, "PushButton3");
                 fakes::click(editor, "PushButton4");
             });
             clickButton(1);
         }},
        {"a shortcut without a caption",
         [&] {
             clickCategory("Tools");
             platform.modal.drivers.push_back([](QDialog* editor) {
                 fakes::click(editor, "PushButton3");
                 fakes::click(editor, "PushButton4");
             });
             clickButton(4);
         }},
        {"deleting a category",
         [&] {
             clickCategory("Tools");
             platform.messages.answers = {platform::MessageAnswer::No};
             clickButton(3);
         }},
        {"deleting a shortcut",
         [&] {
             clickCategory("Tools");
             platform.messages.answers = {platform::MessageAnswer::No};
             clickButton(6);
         }},
        {"launching a program that is gone",
         [&] {
             clickCategory("Tools");
             clickShortcut("Editor");
         }},
        {"launching with no category",
         [&] {
             clickRoot();
             clickButton(7);
         }},
        {"editing with no category", [&] { clickButton(2); }},
    };
    for (const auto& m : messages) {
        SCOPED_TRACE(m.what);
        platform.messages.shown.clear();
        m.act();
        ASSERT_FALSE(platform.messages.shown.empty());
        for (const auto& shown : platform.messages.shown) {
            EXPECT_TRUE(pseudo::isMarked(shown.text)) << shown.text.toStdString();
            if (shown.title != QStringLiteral("Vantory")) {
                EXPECT_TRUE(pseudo::isMarked(shown.title)) << shown.title.toStdString();
            }
        }
    }
}

TEST_F(PseudoLanguage, TheDesktopsOwnBoxesSpeakItToo) {
    // The boxes as the desktop shows them, their buttons included, looked at while open.
    QStringList seen;
    const auto lookAtTheBox = [&] {
        QTimer::singleShot(0, [&] {
            // A message box, or the trust question's dialog of its own.
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen << faultsOf(box) << QStringLiteral("seen");
                box->reject();
            }
        });
    };
    platform::DesktopMessageBoxes boxes;
    lookAtTheBox();
    boxes.show(&form, QCoreApplication::translate("Vantory", "Please input Group Name"),
               QStringLiteral("Vantory"), platform::MessageButtons::YesNo,
               platform::MessageIcon::None);
    platform::DesktopLaunchQuestion question;
    lookAtTheBox();
    question.askToLaunch(&form, QStringLiteral("Tool"), QStringLiteral("tool --run"));
    EXPECT_EQ(seen.count(QStringLiteral("seen")), 2);
    seen.removeAll(QStringLiteral("seen"));
    EXPECT_TRUE(seen.isEmpty()) << seen.join(u'\n').toStdString();
}

} // namespace
