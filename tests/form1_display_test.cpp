// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CaptionLayout.h"
#include "app/ShortcutList.h"
#include "common/ColourScheme.h"
#include "common/QtColour.h"
#include "fakes/Form1Fixture.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace {

using fakes::group;
using fakes::item;

class Form1Display : public fakes::Form1Fixture {
  protected:
    // What the widget offers as hover text at a point, or "" for none.
    static QString hoverText(QWidget* widget, QPoint at) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

const QString kLong = QStringLiteral(
    "A caption so long that three lines of a cell cannot hold it, however it is wrapped");

TEST_F(Form1Display, EveryCaptionGetsTheRoomItsWrappedLinesNeed) {
    store::insertGroup(db(), group("Calc"));
    for (const char* caption : {"C", "Calculator", "Calendar planner", "Temporary files"}) {
        store::insertItem(db(), item("Calc", caption, 2, "/usr/bin/true"));
    }
    clickCategory("Calc");
    auto* list = static_cast<app::ShortcutList*>(form.ListView1());
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* entry = list->item(i);
        const QRect needed = metrics.boundingRect(QRect(0, 0, list->captionWidth(), 1000),
                                                  Qt::TextWordWrap, entry->text());
        const QRect cell = list->visualItemRect(entry);
        EXPECT_GE(cell.width(), needed.width()) << entry->text().toStdString();
        EXPECT_GE(cell.bottom() + 1, list->captionRect(cell, 1).top() + needed.height())
            << entry->text().toStdString();
        EXPECT_TRUE(hoverText(list->viewport(), cell.center()).isEmpty())
            << "a caption shown whole needs no hover text";
    }
}

TEST(CaptionLines, MoreLinesThanTheCellsHaveIsToldAsACountWould) {
    const QFont font = QApplication::font();
    for (const QString& caption : {QStringLiteral("Calendar"), QStringLiteral("a 42 "), kLong}) {
        for (int width = 20; width <= 200; width += 30) {
            for (int lines = 1; lines <= 2; ++lines) {
                EXPECT_EQ(app::captionNeedsMoreLines(font, caption, width, lines),
                          app::captionLineCount(font, caption, width, lines + 1) > lines)
                    << caption.toStdString() << " " << width << " " << lines;
            }
        }
    }
}

TEST_F(Form1Display, TextCutShortHasItselfAsHoverText) {
    store::insertGroup(db(), group(kLong.toStdString(), kLong.toStdString()));
    store::insertItem(db(), item(kLong.toStdString(), kLong.toStdString(), 1, "/tmp"));
    QTreeWidgetItem* node = clickCategory(kLong);
    auto* list = static_cast<app::ShortcutList*>(form.ListView1());
    const QRect cell = list->visualItemRect(list->item(0));
    EXPECT_EQ(cell.height(), list->captionRect(cell, app::ShortcutList::kMaxCaptionLines).bottom() +
                                 1 + 4 - cell.top())
        << "the cell stops at three lines";
    QTreeWidget* tree = form.TreeView1();
    QLabel* description = form.Label1();
    description->resize(200, description->height());
    for (const QString& hover : {hoverText(list->viewport(), cell.center()),
                                 hoverText(tree->viewport(), tree->visualItemRect(node).center()),
                                 hoverText(description, description->rect().center())}) {
        EXPECT_TRUE(hover.contains(kLong)) << hover.toStdString();
    }
    EXPECT_EQ(description->text(), kLong) << "the description keeps its whole text";
}

TEST_F(Form1Display, UnderADarkSchemeEveryTextCanBeRead) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(40, 40, 40)},
                                {QPalette::Base, QColor(30, 30, 30)},
                                {QPalette::WindowText, QColor(230, 230, 230)},
                                {QPalette::Text, QColor(230, 230, 230)}}) {
        dark.setColor(role, colour);
    }
    QApplication::setPalette(dark);
    store::insertGroup(db(), group("Dim", "Dark text", common::codeFromColour(Qt::black)));
    store::insertItem(db(), item("Dim", "Black", 1, "/tmp", "", 0, 0));
    clickCategory("Dim");
    const QImage shown = form.grab().toImage();
    const QColor behindLabel = shown.pixelColor(form.Label1()->geometry().bottomRight());
    const QColor behindFrame =
        shown.pixelColor(form.findChild<QWidget*>("Frame1")->pos() + QPoint(2, 2));
    const QColor base = form.ListView1()->palette().color(QPalette::Base);
    const QColor caption = form.ListView1()->item(0)->foreground().color();
    const QColor node = findCategory("Dim")->foreground(0).color();
    QApplication::setPalette(light);
    for (const QColor& background : {behindLabel, behindFrame}) {
        EXPECT_GE(
            common::contrastRatio(form.Label1()->palette().color(QPalette::WindowText), background),
            common::kReadableContrast);
    }
    EXPECT_GE(common::contrastRatio(caption, base), common::kReadableContrast);
    EXPECT_GE(common::contrastRatio(node, base), common::kReadableContrast);
    EXPECT_EQ(store::selectItemInGroup(db(), "Black", "Dim")
                  .field(store::column::itemtextcolor)
                  .toInt32(),
              0)
        << "the stored colour is never changed";
}

} // namespace
