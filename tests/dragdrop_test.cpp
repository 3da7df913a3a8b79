// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ImageLists.h"
#include "dragdrop/DropHighlight.h"
#include "dragdrop/ListDragDrop.h"
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <memory>
#include <sqlite3.h>

namespace {

using fakes::group;
using fakes::item;

// What a file manager offers: copying, moving or linking.
constexpr Qt::DropActions kOffered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

std::unique_ptr<QMimeData> fileList(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data->setUrls(urls);
    return data;
}

class DragDrop : public fakes::Form1Fixture {
  protected:
    QListWidget* list() { return form.ListView1(); }
    QWidget* viewport() { return form.ListView1()->viewport(); }

    // A point of the list where no entry lies.
    QPoint emptySpot() { return viewport()->rect().bottomRight() - QPoint(5, 5); }
    QPoint centreOf(int position) {
        return list()->visualItemRect(list()->item(position - 1)).center();
    }

    struct DropOutcome {
        bool entered = false;
        bool dropped = false;
        Qt::DropAction action = Qt::IgnoreAction;
    };

    // Drags data onto the list and lets go at a point, as the desktop delivers a drag from the
    // file manager: enter, move, drop. The drop is only made when the list took the drag.
    DropOutcome dragAndDrop(const QMimeData* data, QPoint at) {
        DropOutcome outcome;
        QDragEnterEvent enter(at, kOffered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &enter);
        outcome.entered = enter.isAccepted();
        if (!outcome.entered) {
            return outcome;
        }
        QDragMoveEvent move(at, kOffered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &move);
        QDropEvent drop(at, kOffered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &drop);
        outcome.dropped = drop.isAccepted();
        outcome.action = drop.dropAction();
        return outcome;
    }

    DropOutcome dropFiles(const QStringList& paths, QPoint at = {-1, -1}) {
        const auto data = fileList(paths);
        return dragAndDrop(data.get(), at == QPoint(-1, -1) ? emptySpot() : at);
    }

    // Presses on an entry, drags it beyond the drag distance onto another point and lets go.
    void dragEntry(int from, QPoint to) {
        const QPoint start = centreOf(from);
        QTest::mousePress(viewport(), Qt::LeftButton, {}, start);
        const QPoint nudge = start + QPoint(QApplication::startDragDistance() + 2, 0);
        QTest::mouseMove(viewport(), nudge);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }

    // Shows a category holding one folder shortcut per caption.
    void showCategory(const std::string& name, const QStringList& captions) {
        store::insertGroup(db(), group(name));
        for (const QString& caption : captions) {
            store::insertItem(
                db(), item(name, caption.toStdString(), 1, "/srv/" + name, "", 0, 0x0000FF));
        }
        clickCategory(QString::fromStdString(name));
        ASSERT_EQ(listCaptions(), captions);
    }

    std::optional<store::ItemRow> storedRow(const std::string& group, const std::string& caption) {
        store::ResultSet rs = store::selectItemInGroup(db(), caption, group);
        if (rs.eof()) {
            return std::nullopt;
        }
        return store::readItemRow(rs);
    }

    // The list as the drop left it is what a fresh fill of the category shows.
    void expectListedAsAFreshFill(const QString& category) {
        const QStringList afterDrop = listCaptions();
        clickCategory(category);
        EXPECT_EQ(afterDrop, listCaptions());
    }
    int rowCount(const std::string& group) {
        return static_cast<int>(store::selectItemsOfGroup(db(), group).rowCount());
    }

    // The rows of a group as another program reading the file sees them: only what was
    // committed.
    QStringList committedCaptions(const std::string& group) {
        sqlite3* other = nullptr;
        QStringList captions;
        if (sqlite3_open_v2(catalogue.path().toUtf8().constData(), &other, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot open the catalogue a second time";
            sqlite3_close(other);
            return captions;
        }
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(other,
                           "select itemcaption from tblItems where groupcaption=? order by rowid",
                           -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, group.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            captions << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        }
        sqlite3_finalize(stmt);
        sqlite3_close(other);
        return captions;
    }
};

using DropFiles = DragDrop;
using MoveEntries = DragDrop;

TEST_F(DropFiles, FilesAndFoldersBecomeShortcutsListedAsAFreshFillShowsThem) {
    showCategory("Work", {"Mail"});
    platform.files.files["/opt/tools/editor"] = "";
    platform.files.folders.insert("/home/me/My.Projects");

    const DropOutcome outcome = dropFiles({"/opt/tools/editor", "/home/me/My.Projects",
                                           "/home/me/archive.tar.gz", "/home/me/.profile", "/"});

    EXPECT_TRUE(outcome.dropped);
    EXPECT_EQ(outcome.action, Qt::LinkAction) << "a drop must never ask the file manager to move";
    const auto editor = storedRow("Work", "editor");
    ASSERT_TRUE(editor);
    EXPECT_EQ(*editor, item("Work", "editor", 5, "/opt/tools/editor", " ", 0, 0, " "));
    const auto projects = storedRow("Work", "My");
    ASSERT_TRUE(projects);
    EXPECT_EQ(projects->itemtype, 1);
    EXPECT_EQ(projects->itempath, "/home/me/My.Projects");
    ASSERT_TRUE(storedRow("Work", "archive.tar"));
    EXPECT_EQ(storedRow("Work", "archive.tar")->itemtype, 5) << "a missing path is a file";
    ASSERT_TRUE(storedRow("Work", ".profile"));
    EXPECT_EQ(rowCount("Work"), 5) << "the root gives no caption and is skipped";

    const auto shown = [this] {
        QStringList entries;
        for (int i = 0; i < list()->count(); ++i) {
            entries << list()->item(i)->text() + "/" +
                           list()->item(i)->data(app::Form1::kImageRole).toString();
        }
        return entries;
    };
    const QStringList afterDrop = shown();
    EXPECT_EQ(afterDrop,
              (QStringList{".profile/3", "archive.tar/3", "editor/3", "Mail/2", "My/2"}));
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Default);
    EXPECT_EQ(committedCaptions("Work"),
              (QStringList{"Mail", "editor", "My", "archive.tar", ".profile"}));

    clickCategory("Work");
    EXPECT_EQ(shown(), afterDrop) << "a drop shows the list as a fresh fill does";
}

TEST_F(DropFiles, CaptionsTheCatalogueCannotHoldAreSkippedSilently) {
    showCategory("Work", {});
    const QString longest(253, u'x');
    const QString tooLong(254, u'y');
    // Letters outside the basic plane count once each, though Qt stores them as two halves.
    QString faces;
    for (int i = 0; i < 253; ++i) {
        faces += QString::fromUcs4(U"\U0001F600");
    }
    const QString tooManyFaces = faces + QString::fromUcs4(U"\U0001F600");

    dropFiles({"/tmp/Owner's tool.exe", "/tmp/" + longest + ".txt", "/tmp/" + tooLong,
               "/tmp/" + faces, "/tmp/" + tooManyFaces, "/tmp/it's/fine.txt"});

    EXPECT_EQ(rowCount("Work"), 3);
    EXPECT_EQ(listCaptions().size(), 3);
    expectListedAsAFreshFill("Work");
    EXPECT_EQ(storedRow("Work", "fine")->itempath, "/tmp/it's/fine.txt")
        << "an apostrophe in the folder part is stored as it is";
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(DropFiles, AFileIsStoredOnceInACategoryAndAgainInAnother) {
    store::insertGroup(db(), group("Home"));
    showCategory("Work", {});

    // Within one drop and across drops; captions compare without letter case.
    dropFiles({"/tmp/notes.txt", "/srv/NOTES.pdf"});
    dropFiles({"/tmp/notes.txt"});
    EXPECT_EQ(rowCount("Work"), 1);
    EXPECT_EQ(storedRow("Work", "notes")->itempath, "/tmp/notes.txt");
    EXPECT_EQ(listCaptions(), QStringList{"notes"});

    clickCategory("Home");
    dropFiles({"/tmp/notes.txt"});
    EXPECT_EQ(rowCount("Home"), 1);
    EXPECT_EQ(listCaptions(), QStringList{"notes"});
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(DropFiles, ADesktopEntryKeepsItsOwnPathAndTakesItsName) {
    showCategory("Work", {});
    const QString entry = "/usr/share/applications/org.example.Editor.desktop";
    const QString broken = "/home/me/Desktop/broken.desktop";
    const QString quoted = "/home/me/Desktop/bob.desktop";
    std::vector<app::MousePointer> pointerWhileDropping;
    form.listDragDrop()->setEntryNameLookup([&](const QString& path) -> std::optional<QString> {
        pointerWhileDropping.push_back(form.mousePointer());
        if (path == entry) {
            return QString("Text Editor");
        }
        if (path == quoted) {
            return QString("Bob's Editor");
        }
        if (path != broken) {
            ADD_FAILURE() << "asked for the name of " << path.toStdString();
        }
        return std::nullopt;
    });

    dropFiles({entry, broken, quoted, "/home/me/readme.txt"});

    const auto editor = storedRow("Work", "Text Editor");
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->itempath, entry.toStdString());
    EXPECT_EQ(editor->itemtype, 5);
    EXPECT_TRUE(storedRow("Work", "broken")) << "an entry without a name keeps its file name";
    EXPECT_EQ(listCaptions(), (QStringList{"broken", "readme", "Text Editor"}));
    EXPECT_EQ(pointerWhileDropping,
              std::vector<app::MousePointer>(3, app::MousePointer::Hourglass));
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Default);
}

TEST_F(DropFiles, PathsWithSpacesAndOtherScriptsArriveDecoded) {
    showCategory("Work", {});
    QMimeData data;
    // As a file manager writes them: percent-encoded UTF-8, one address a line.
    data.setData("text/uri-list", "file:///home/me/My%20Docs/%D0%9E%D1%82%D1%87%D1%91%D1%82%20"
                                  "%E6%97%A5%E6%9C%AC.txt\r\nfile:///tmp/a%20b\r\n");

    EXPECT_TRUE(dragAndDrop(&data, emptySpot()).dropped);

    const QString caption = QString::fromUtf8("Отчёт 日本");
    const auto row = storedRow("Work", caption.toStdString());
    ASSERT_TRUE(row);
    EXPECT_EQ(row->itempath, QString::fromUtf8("/home/me/My Docs/Отчёт 日本.txt").toStdString());
    EXPECT_EQ(listCaptions(), (QStringList{"a b", caption}));
}

TEST_F(DropFiles, ADragWithoutFilesGetsNoDrop) {
    showCategory("Work", {"Mail"});
    QMimeData text;
    text.setText("/tmp/some.txt");
    QMimeData web;
    web.setUrls({QUrl("https://example.org/page.html")});

    for (QMimeData* data : {&text, &web}) {
        EXPECT_FALSE(dragAndDrop(data, centreOf(1)).entered);
        // Should a drop arrive all the same, it is refused.
        QDropEvent drop(centreOf(1), kOffered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &drop);
        EXPECT_FALSE(drop.isAccepted());
    }
    EXPECT_EQ(rowCount("Work"), 1);
    EXPECT_EQ(listCaptions(), QStringList{"Mail"});
    EXPECT_EQ(dragdrop::dropHighlighted(list()), nullptr);
}

TEST_F(DropFiles, TheEntryUnderTheDragIsMarkedUntilItLeaves) {
    showCategory("Work", {"a", "b", "c"});
    const auto data = fileList({"/tmp/x.txt"});

    QDragEnterEvent enter(centreOf(2), kOffered, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::LinkAction);
    EXPECT_EQ(dragdrop::dropHighlighted(list()), list()->item(1));

    QDragMoveEvent move(centreOf(3), kOffered, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &move);
    EXPECT_EQ(dragdrop::dropHighlighted(list()), list()->item(2));
    EXPECT_FALSE(list()->item(1)->data(dragdrop::kDropHighlightRole).toBool());

    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(viewport(), &leave);
    EXPECT_EQ(dragdrop::dropHighlighted(list()), nullptr);

    // A source that only offers to move its files gets no drop: the file manager would delete
    // them.
    QDragEnterEvent moveOnly(centreOf(2), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport(), &moveOnly);
    EXPECT_FALSE(moveOnly.isAccepted());
}

TEST_F(DropFiles, WithTheRootOrNoCategorySelectedTheListTakesNoFiles) {
    showCategory("Work", {"a"});
    showCategory("Zoo", {});
    clickCategory("Work");
    // The last-but-one category deleted: no node is selected afterwards.
    platform.messages.answers.push_back(platform::MessageAnswer::Yes);
    clickButton(3);
    ASSERT_EQ(form.TreeView1()->currentItem(), nullptr);
    EXPECT_FALSE(dropFiles({"/tmp/x.txt"}).entered) << "the pointer refuses the drag";
    clickRoot();
    EXPECT_FALSE(dropFiles({"/tmp/y.txt"}).entered);
    EXPECT_EQ(committedCaptions(""), QStringList());
    EXPECT_EQ(rowCount("Zoo"), 0);
}

TEST_F(DropFiles, FilesDroppedOntoAnEntryFirstMoveTheSelectedEntryThere) {
    showCategory("Work", {"a", "b", "c", "d"});
    list()->setCurrentRow(0);

    // A file the category already holds: nothing is stored, and the moved entry stays moved.
    dropFiles({"/tmp/b.txt"}, centreOf(3));
    EXPECT_EQ(listCaptions(), (QStringList{"b", "c", "a", "d"}));
    EXPECT_EQ(list()->currentItem()->text(), "a");

    // With nothing selected nothing moves; a stored file fills the list afresh.
    list()->clearSelection();
    dropFiles({"/tmp/other.txt"}, centreOf(1));
    EXPECT_EQ(listCaptions(), (QStringList{"a", "b", "c", "d", "other"}));
    EXPECT_EQ(dragdrop::dropHighlighted(list()), nullptr);
}

TEST_F(DropFiles, AFailedInsertIsReportedAndOnlyStoredRowsAreListed) {
    showCategory("Work", {});
    db().execute("create trigger refuse_b before insert on tblItems when new.itempath = "
                 "'/data/b.txt' begin select raise(fail, 'The path b is refused.'); end");
    // A failure that ends the whole transaction takes no earlier row of the drop with it.
    db().execute("create trigger refuse_d before insert on tblItems when new.itempath = "
                 "'/data/d.txt' begin select raise(rollback, 'The path d is refused.'); end");

    dropFiles({"/data/a.txt", "/data/b.txt", "/data/c.txt", "/data/d.txt", "/data/e.txt"});

    EXPECT_EQ(listCaptions(), (QStringList{"a", "c", "e"}));
    EXPECT_EQ(committedCaptions("Work"), (QStringList{"a", "c", "e"}));
    const QStringList boxes = platform.messages.texts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith("Catalogue error: The path b is refused."))
        << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains("Form1.ListView1_OLEDragDrop at line 110"));
    EXPECT_TRUE(boxes[1].contains("The path d is refused."));
    EXPECT_EQ(platform.messages.shown[0].title, "Application Error");
    // No transaction is left open.
    EXPECT_NO_THROW(db().execute("begin immediate"));
    db().execute("rollback");
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Default);
}

TEST_F(DropFiles, ACatalogueBusyInAnotherProgramStopsTheDropWithOneMessage) {
    showCategory("Work", {});
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(catalogue.path().toUtf8().constData(), &other, SQLITE_OPEN_READWRITE,
                              nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);

    dropFiles({"/tmp/a.txt", "/tmp/b.txt", "/tmp/c.txt"});

    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(platform.messages.texts().size(), 1);
    EXPECT_TRUE(platform.messages.texts().value(0).contains("busy"));
    EXPECT_TRUE(listCaptions().isEmpty());
    EXPECT_EQ(rowCount("Work"), 0);
}

TEST_F(DropFiles, HeldCaptionsAreFoundWhateverOrderTheFilesComeIn) {
    showCategory("Work", {"Beta", "Café", "Delta"});

    // After every held caption, before them, between them, and again in other letter cases.
    dropFiles({"/in/zeta.txt", "/in/alpha.txt", "/in/DELTA.pdf", "/in/Gamma.txt", "/in/ALPHA.doc",
               "/in/gamma.md", "/in/beta.txt", "/in/epsilon.txt", "/in/Zeta.md", "/in/Cafe.txt",
               QString::fromUtf8("/in/Cafe\u0301.txt"), "/in/cafe.md", "/in/cab.txt",
               "/in/CAB.txt"});

    // A decomposed "é" is the held "Café"; a plain "e" is another caption.
    EXPECT_EQ(committedCaptions("Work"), (QStringList{"Beta", "Café", "Delta", "zeta", "alpha",
                                                      "Gamma", "epsilon", "Cafe", "cab"}));
    expectListedAsAFreshFill("Work");
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(DropFiles, ManyFilesInAndOutOfNameOrderAreEachStoredOnce) {
    showCategory("Work", {"file 100"});
    // Name order, then the same names in the other letter case backwards, then every other one
    // again: only the first of each is stored, in the order dropped.
    QStringList paths;
    QStringList expected{"file 100"};
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("file %1").arg(i, 3, 10, QChar('0'));
        paths << "/in/" + name + ".txt";
        if (name != "file 100") {
            expected << name;
        }
    }
    for (int i = 199; i >= 0; --i) {
        paths << QStringLiteral("/in/FILE %1.pdf").arg(i, 3, 10, QChar('0'));
    }
    for (int i = 0; i < 200; i += 2) {
        paths << QStringLiteral("/in/File %1").arg(i, 3, 10, QChar('0'));
    }
    paths << "/in/file 200.txt"
          << "/in/file 0995.txt";
    expected << "file 200"
             << "file 0995";

    dropFiles(paths);

    EXPECT_EQ(committedCaptions("Work"), expected);
    EXPECT_EQ(listCaptions().size(), expected.size());
    expectListedAsAFreshFill("Work");
    EXPECT_EQ(rowCount("Work"), 202);
}

TEST_F(DropFiles, RowsLostWithAFailedCommitCanBeDroppedAgainLater) {
    showCategory("Work", {});
    // Counts inserts of c outside any transaction, so the second attempt can be refused.
    static int insertsOfC = 0;
    insertsOfC = 0;
    ASSERT_EQ(sqlite3_create_function_v2(
                  db().handle(), "count_c", 0, SQLITE_UTF8, nullptr,
                  [](sqlite3_context* context, int, sqlite3_value**) {
                      sqlite3_result_int(context, ++insertsOfC);
                  },
                  nullptr, nullptr, nullptr),
              SQLITE_OK);
    db().execute("create trigger refuse_c before insert on tblItems when new.itempath = "
                 "'/data/c.txt' and count_c() > 1 begin select raise(fail, 'c again'); end");
    // d ends the transaction; storing a and c once more fails on c, so neither is kept.
    db().execute("create trigger refuse_d before insert on tblItems when new.itempath = "
                 "'/data/d.txt' begin select raise(rollback, 'The path d is refused.'); end");

    dropFiles({"/data/a.txt", "/data/c.txt", "/data/d.txt", "/data/e.txt", "/data/A.md",
               "/data/C.md", "/data/E.md"});

    EXPECT_EQ(listCaptions(), (QStringList{"A", "C", "e"}));
    EXPECT_EQ(committedCaptions("Work"), (QStringList{"e", "A", "C"}));
    const QStringList boxes = platform.messages.texts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].contains("The path d is refused."));
    EXPECT_TRUE(boxes[1].contains("c again"));
    EXPECT_TRUE(boxes[1].contains("Form1.ListView1_OLEDragDrop at line 112"));
    EXPECT_NO_THROW(db().execute("begin immediate")) << "no transaction is left open";
    db().execute("rollback");
}

TEST_F(MoveEntries, TheDraggedEntryEndsAtThePlaceOfTheEntryItIsDroppedOn) {
    const QStringList six{"1", "2", "3", "4", "5", "6"};
    showCategory("Work", six);
    QList<int> selections;
    QObject::connect(list(), &QListWidget::currentRowChanged,
                     [&](int row) { selections << row + 1; });

    dragEntry(2, centreOf(5));
    EXPECT_EQ(listCaptions(), (QStringList{"1", "3", "4", "5", "2", "6"}));
    // The moved entry is selected, then the release runs through the last, first and middle
    // entries and rests on the last.
    ASSERT_GE(selections.size(), 5);
    EXPECT_EQ(selections.first(), 2) << "the press selects the entry to drag";
    EXPECT_EQ(selections.mid(selections.size() - 5), (QList<int>{5, 6, 1, 4, 6}));
    EXPECT_FALSE(list()->item(4)->data(Qt::ForegroundRole).isValid())
        << "the moved entry shows the default colour";
    EXPECT_TRUE(list()->item(0)->data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(list()->item(4)->data(app::Form1::kImageRole).toInt(), 2) << "it keeps its picture";
    EXPECT_EQ(dragdrop::dropHighlighted(list()), nullptr);

    clickCategory("Work");
    dragEntry(5, centreOf(2));
    EXPECT_EQ(listCaptions(), (QStringList{"1", "5", "2", "3", "4", "6"}));

    clickCategory("Work");
    dragEntry(3, centreOf(4));
    EXPECT_EQ(listCaptions(), (QStringList{"1", "2", "4", "3", "5", "6"}));
    clickCategory("Work");
    dragEntry(4, centreOf(3));
    EXPECT_EQ(listCaptions(), (QStringList{"1", "2", "4", "3", "5", "6"}));

    // Nothing under the pointer: the order stays, and the release still ends on the last entry.
    clickCategory("Work");
    dragEntry(2, emptySpot());
    EXPECT_EQ(listCaptions(), six);
    EXPECT_EQ(list()->currentRow(), 5);

    // The end of a drag launches nothing.
    EXPECT_TRUE(platform.shell.requests.empty());
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(MoveEntries, TheEntryUnderADraggedEntryIsMarked) {
    showCategory("Work", {"1", "2", "3"});
    QTest::mousePress(viewport(), Qt::LeftButton, {}, centreOf(1));
    QTest::mouseMove(viewport(), centreOf(1) + QPoint(QApplication::startDragDistance() + 2, 0));
    QTest::mouseMove(viewport(), centreOf(3));

    EXPECT_TRUE(form.listDragDrop()->isDraggingEntry());
    EXPECT_EQ(dragdrop::dropHighlighted(list()), list()->item(2));
    EXPECT_EQ(list()->currentRow(), 0) << "the selection stays on the dragged entry";

    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, centreOf(3));
    EXPECT_FALSE(form.listDragDrop()->isDraggingEntry());
    EXPECT_EQ(dragdrop::dropHighlighted(list()), nullptr);
}

TEST_F(MoveEntries, TheReleaseSelectsAndFocusesTheLastEntry) {
    showCategory("One", {"only"});
    form.TreeView1()->setFocus();
    // Dropped onto itself, the entry stays in place but loses its colour.
    dragEntry(1, centreOf(1) + QPoint(QApplication::startDragDistance() + 4, 0));
    EXPECT_FALSE(list()->item(0)->data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(list()->item(0)->isSelected());
    EXPECT_EQ(form.focusWidget(), list()) << "the list has the window's keyboard focus";

    showCategory("Seven", {"1", "2", "3", "4", "5", "6", "7"});
    QList<int> selections;
    QObject::connect(list(), &QListWidget::currentRowChanged,
                     [&](int row) { selections << row + 1; });
    dragEntry(1, centreOf(2));
    ASSERT_GE(selections.size(), 5);
    EXPECT_EQ(selections.mid(selections.size() - 5), (QList<int>{2, 7, 1, 4, 7}));
    EXPECT_EQ(list()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MoveEntries, APlainClickLeavesTheClickedEntrySelectedForTheCommands) {
    store::insertGroup(db(), group("Work"));
    for (const char* caption : {"a", "b", "c", "d", "e", "f", "g"}) {
        store::insertItem(db(), item("Work", caption, 3, std::string("https://") + caption));
    }
    clickCategory("Work");

    clickShortcut("c");

    EXPECT_EQ(form.selectedCaption(), "c");
    ASSERT_EQ(platform.shell.requests.size(), 1u);
    EXPECT_EQ(platform.shell.requests[0].file, "\"https://c\"");
    // Ctrl+L acts on the entry clicked too.
    QTest::keyClick(list(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(platform.shell.requests.size(), 2u);
    EXPECT_EQ(platform.shell.requests[1].file, "\"https://c\"");
}

} // namespace
