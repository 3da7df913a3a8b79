// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and message box in a language made from English at test time, whose texts are
// marked and two fifths longer: a text without the mark never reached translation, and a text
// that is cut or runs into another control would be cut in a real language too.

#include "PseudoLanguage.h"
#include "common/TextFit.h"
#include "fakes/EditorInput.h"
#include "fakes/Form1Fixture.h"
#include "fakes/StoreFiles.h"
#include "fakes/SyncComputer.h"
#include "fakes/TempMachine.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "installed/AddInstalledDialog.h"
#include "platform/ApplicationMenu.h"
#include "platform/DesktopLaunchQuestion.h"
#include "platform/DesktopMessageBoxes.h"
#include "store/Statements.h"
#include "sync/SyncKeeper.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

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

// Laid out beside the others; the finder is drawn over them.
bool isPlaced(const QWidget* control) {
    return !control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_") &&
           !control->isWindow() && qobject_cast<const finder::Finder*>(control) == nullptr;
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

// A desktop menu with one application, for the dialog that adds the installed ones.
struct OneApplication : platform::ApplicationMenu {
    std::vector<platform::DesktopApplication> applications() override {
        platform::DesktopApplication editor;
        editor.id = editor.file = QStringLiteral("/apps/editor.desktop");
        editor.name = QStringLiteral("Editor");
        editor.categories = QStringList{QStringLiteral("Utility")};
        editor.program = QStringLiteral("true");
        return {editor};
    }
};

TEST_F(PseudoLanguage, EveryMessageAndEveryOtherWindowSpeaksItWhole) {
    OneApplication applications;
    platform.applicationMenu.handOnTo = &applications;
    store::insertItem(db(), fakes::item("Tools", "Old folder", 1, "/home/me/Old"));
    // An editor's Add or Update, with a caption typed first when there is one; the editor is
    // looked at, and closed when it stays open.
    const auto confirm = [](const char* caption) {
        return [caption](QDialog* editor) {
            if (caption != nullptr) {
                fakes::click(editor, "Option3");
                fakes::type(editor, "Text3", "www.example.org");
                fakes::type(editor, "Text1", caption);
            }
            fakes::click(editor, "PushButton3");
        };
    };
    // Where the click goes first: a category, the root (""), or nowhere (nullptr); then a
    // shortcut, then a button of the window, a question answered No.
    const struct {
        const char* what;
        const char* at;
        const char* entry;
        int button;
        std::function<void(QDialog*)> editor;
    } rows[] = {
        {"a category without a name", nullptr, nullptr, 1, confirm(nullptr)},
        {"a category name taken", nullptr, nullptr, 1,
         [](QDialog* editor) {
             fakes::type(editor, "Text1", "Tools");
             fakes::click(editor, "PushButton3");
         }},
        {"a shortcut without a caption", "Tools", nullptr, 4, confirm(nullptr)},
        {"a caption taken in the category", "Tools", nullptr, 4, confirm("Editor")},
        {"a caption taken by another", "Tools", "Mail", 5, confirm("Editor")},
        {"deleting a category", "Tools", nullptr, 3, {}},
        {"deleting a shortcut", "Tools", nullptr, 6, {}},
        {"launching a program that is gone", "Tools", "Editor", 0, {}},
        {"launching a folder that is gone", "Tools", "Old folder", 0, {}},
        {"launching at the root", "", nullptr, 7, {}},
        {"editing with no category", nullptr, nullptr, 2, {}},
        {"deleting the root", "", nullptr, 3, {}},
        {"editing the root", "", nullptr, 2, {}},
        {"adding a shortcut to the root", "", nullptr, 4, {}},
        {"adding a shortcut file to the root", "", nullptr, 9, {}},
        {"editing a shortcut at the root", "", nullptr, 5, {}},
        {"deleting a shortcut at the root", "", nullptr, 6, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        platform.messages.shown.clear();
        platform.messages.answers = {platform::MessageAnswer::No};
        if (row.at != nullptr) {
            *row.at ? (void)clickCategory(row.at) : clickRoot();
        }
        if (row.entry != nullptr) {
            clickShortcut(row.entry);
        }
        if (row.editor) {
            inspectNextEditor(row.editor);
        }
        if (row.button != 0) {
            clickButton(row.button);
        }
        EXPECT_TRUE(platform.modal.drivers.empty()) << "the editor did not open";
        ASSERT_FALSE(platform.messages.shown.empty());
        for (const auto& shown : platform.messages.shown) {
            EXPECT_EQ(pseudo::unmarkedWords(shown.text).join(u'|').toStdString(), "");
            if (shown.title != QStringLiteral("Vantory")) {
                EXPECT_TRUE(pseudo::isMarked(shown.title)) << shown.title.toStdString();
            }
        }
    }

    // The root's menu, and the window that adds the installed applications.
    platform.modal.drivers.push_back([this](QDialog* window) {
        auto* dialog = qobject_cast<installed::AddInstalledDialog*>(window);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isReady(); }));
        // Laid out as the desktop shows it, after the plans have changed its texts.
        dialog->show();
        QCoreApplication::processEvents();
        faults << faultsOf(dialog);
    });
    QTimer::singleShot(0, [this] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && !pseudo::isMarked(action->text())) {
                faults << QStringLiteral("root menu says ") + action->text();
            }
        }
        QAction* add = menu->findChild<QAction*>("addInstalledApplications");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(add).center());
    });
    QTreeWidget* tree = form.TreeView1();
    const QPoint root = tree->visualItemRect(tree->topLevelItem(0)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, root, tree->viewport()->mapToGlobal(root));
    QApplication::sendEvent(tree->viewport(), &click);
    EXPECT_TRUE(platform.modal.drivers.empty()) << "the installed applications did not show";

    // The finder, finding something and then nothing.
    clickCategory("Tools");
    QTest::keyClick(form.ListView1(), 'e');
    form.finderCatalogue()->waitUntilBuilt();
    QTest::keyClicks(form.finder()->field(), "dit");
    faults << faultsOf(&form);
    QTest::keyClicks(form.finder()->field(), "zzz");
    faults << faultsOf(&form);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
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

// One run of Vantory on a machine of its own. Its boxes show as the desktop's, each looked at
// while open (every text marked, nothing cut) and answered from the script.
struct Machine : fakes::TempMachine, platform::MessageBoxes {
    platform::MessageAnswer show(QWidget* owner, const QString& text, const QString& title,
                                 platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            faults << faultsOf(box);
            box->reject();
        });
        platform::DesktopMessageBoxes().show(owner, text, title, buttons, icon);
        return messages.show(owner, text, title, buttons, icon);
    }

    std::filesystem::path folder() const { return (xdg() + "/Mellovan/Vantory").toStdString(); }
    std::string file() const { return folder() / "dbData.mdb"; }
    // A catalogue of three categories and `items` shortcuts, backed up by a first run or not.
    void seed(int items, bool backedUp = true) {
        fakes::TempFolder made;
        std::filesystem::create_directories(folder());
        std::filesystem::copy_file(fakes::filledCatalogue(made, "dbData.mdb", items), file());
        if (backedUp) {
            start();
            form->close();
            form.reset();
            messages.shown.clear();
        }
    }
    void cutShort() {
        seed(1200);
        const std::string whole = fakes::bytesOf(file());
        fakes::writeBytes(file(), whole.substr(0, whole.size() / 2 + 1000));
    }
    // Keeps in step through `folder`; another computer "bob" has merged into it once.
    std::string keepInStep(const QString& folder) {
        fakes::SyncComputer(shared.path(), QStringLiteral("bob")).merge(1);
        sync.setFolder(folder);
        const QDir written(shared.filePath(QStringLiteral("Vantory")));
        return written.filePath(written.entryList(QDir::Files).value(0)).toStdString();
    }
    void start() {
        form = std::make_unique<app::Form1>(seen, globals);
        form->keepInStepThrough(sync);
        if (form->Form_Load()) { // else refused: the window never opens
            form->show();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return !globals.gConnection || !globals.gConnection->pageCheckPending(); }));
        }
    }

    QStringList faults;
    platform::Services seen = servicesWith(*this, images);
    QTemporaryDir shared, state;
    fakes::SyncFilesAt sync{state.path()};
    common::Globals globals;
    std::unique_ptr<app::Form1> form;
    store::Connection other;
};

TEST(PseudoLanguageAtStartUp, EveryMessageOfStartUpBackupRestoreRepairAndSyncIsTranslated) {
    const PseudoLanguageInstalled pseudoLanguage;
    using M = Machine;
    using Answer = platform::MessageAnswer;
    const std::vector<Answer> none, no{Answer::No}, yes{Answer::Yes};
    const struct {
        const char* what;
        std::vector<Answer> answers;
        std::size_t told; // boxes the user sees
        std::function<void(Machine&)> fault;
    } rows[] = {
        {"no catalogue and no template", none, 1, [](M&) {}},
        {"no regular file where it goes", none, 1,
         [](M& m) {
             m.seed(0, false), std::filesystem::remove(m.file()), mkfifo(m.file().c_str(), 0600);
         }},
        {"a file that is no catalogue", none, 2,
         [](M& m) { m.seed(0, false), fakes::writeBytes(m.file(), "notes"); }},
        {"a catalogue held by another", none, 1, [](M& m) { m.seed(0), m.other.open(m.file()); }},
        {"a catalogue cut short, kept", no, 1, [](M& m) { m.cutShort(); }},
        {"a catalogue cut short, restored", yes, 2, [](M& m) { m.cutShort(); }},
        {"a catalogue without its tables", yes, 3,
         [](M& m) {
             m.seed(3);
             store::Connection db;
             db.open(m.file());
             db.execute("drop table tblGroups");
         }},
        {"a page that fails the check", none, 1,
         [](M& m) {
             m.seed(1200, false);
             std::string bytes = fakes::bytesOf(m.file());
             const std::size_t page = static_cast<unsigned char>(bytes[16]) << 8;
             std::fill_n(bytes.begin() + bytes.size() / page / 2 * page, page, 'z');
             fakes::writeBytes(m.file(), bytes);
         }},
        {"a backup folder in the way", none, 1,
         [](M& m) {
             m.seed(0, false);
             fakes::writeBytes(m.folder() / "backups", "x");
         }},
        {"names alike", none, 1,
         [](M& m) {
             m.seed(0);
             store::Connection db;
             db.open(m.file());
             for (const char* caption : {"Same", "Same", "A\xED\xA0\x80"})
                 store::insertItem(db, fakes::item("Games", caption, 3, "www.example.org"));
         }},
        {"a sync folder that is a file now", none, 1,
         [](M& m) {
             m.seed(0), m.keepInStep(m.shared.filePath("gone"));
             fakes::writeBytes(m.shared.filePath("gone").toStdString(), "x");
         }},
        {"a sync folder taken by a file", none, 1,
         [](M& m) {
             m.seed(0), m.keepInStep(m.shared.path());
             std::filesystem::remove_all(m.shared.filePath("Vantory").toStdString());
             fakes::writeBytes(m.shared.filePath("Vantory").toStdString(), "x");
         }},
        {"another computer's newer state", none, 1,
         [](M& m) {
             m.seed(0);
             const std::string state = m.keepInStep(m.shared.path());
             std::string bytes = fakes::bytesOf(state);
             fakes::writeBytes(
                 state, bytes.replace(bytes.find(' '), bytes.find('\n') - bytes.find(' '), " 999"));
         }},
        {"another computer's state cut short", none, 1,
         [](M& m) {
             m.seed(0);
             const std::string state = m.keepInStep(m.shared.path());
             fakes::writeBytes(state, fakes::bytesOf(state).substr(0, 40));
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Machine machine;
        row.fault(machine);
        machine.messages.answers = row.answers;
        machine.start();
        (void)QTest::qWaitFor([&] { return machine.messages.shown.size() >= row.told; }, 3000);
        EXPECT_EQ(machine.messages.shown.size(), row.told)
            << machine.messages.texts().join(u'|').toStdString();
        for (const fakes::ShownMessage& shown : machine.messages.shown) {
            EXPECT_EQ(pseudo::unmarkedWords(shown.text).join(u'|').toStdString(), "");
        }
        EXPECT_EQ(machine.faults.join(u'\n').toStdString(), "");
    }
}

} // namespace
