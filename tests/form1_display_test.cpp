// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CaptionLayout.h"
#include "app/PairWidths.h"
#include "app/ShortcutList.h"
#include "common/ColourScheme.h"
#include "common/Fonts.h"
#include "common/QtColour.h"
#include "fakes/Form1Fixture.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <cmath>
#include <tuple>

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

TEST(CaptionLines, PairSumsAreTheFontsOwnWidths) {
    const QFont fonts[] = {QApplication::font(), common::arialBold(9), QFont("DejaVu Sans", 11),
                           QFont("Liberation Serif", 10)};
    // Kerned pairs, ligatures in some fonts, accents, and what sums must leave to the font.
    const QString captions[] = {"AVATAR Tower",
                                "LT Yacht, P.A.",
                                "Shortcut 12345",
                                "office fluff",
                                "\u00c6r\u00f8 \u0153uvre \u00df",
                                "e\u0301t\u00e9",
                                "tab\there",
                                "co\u00adop",
                                "\u0645\u0631\u062d\u0628\u0627",
                                "x"};
    for (const QFont& font : fonts) {
        app::PairWidths widths;
        widths.useFont(font);
        int summed = 0;
        for (const QString& caption : captions) {
            const std::optional<qint64> sum = widths.sumOfPairs(caption);
            const int exact = QFontMetrics(font).horizontalAdvance(caption);
            if (sum) {
                ++summed;
                EXPECT_EQ(*sum, std::lround(QFontMetricsF(font).horizontalAdvance(caption) * 64))
                    << caption.toStdString() << " in " << font.family().toStdString();
            }
            for (int width = exact - 2; width <= exact + 2; ++width) {
                const std::optional<bool> fits = widths.fitsOneLine(caption, width, false);
                EXPECT_TRUE(!fits || *fits == (exact <= width)) << caption.toStdString();
            }
        }
        EXPECT_GE(summed, 4) << "plain captions are summed in " << font.family().toStdString();
    }
}

TEST(CaptionLines, ALongListsCellsHoldItsLongestCaption) {
    app::ShortcutList list;
    QStringList captions;
    for (int i = 0; i < 6000; ++i) {
        captions << QStringLiteral("Shortcut %1").arg(i);
    }
    list.fitCellsTo(captions);
    const int oneLine = list.gridSize().height();
    captions[4321] = QStringLiteral("Calendar planner for the family");
    list.fitCellsTo(captions);
    const int lines = app::captionLineCount(list.font(), captions[4321], list.captionWidth(),
                                            app::ShortcutList::kMaxCaptionLines);
    EXPECT_GT(lines, 1);
    EXPECT_EQ(list.gridSize().height() - oneLine, (lines - 1) * list.fontMetrics().lineSpacing());
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
    // Read before the light scheme comes back, which the window follows.
    const QColor labelText = form.Label1()->palette().color(QPalette::WindowText);
    QApplication::setPalette(light);
    for (const QColor& background : {behindLabel, behindFrame}) {
        EXPECT_GE(common::contrastRatio(labelText, background), common::kReadableContrast);
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

namespace {

QPalette darkPalette() {
    QPalette dark = QApplication::palette();
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 45)},
                                {QPalette::Base, QColor(45, 45, 45)},
                                {QPalette::WindowText, QColor(230, 230, 230)},
                                {QPalette::Text, QColor(230, 230, 230)}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

TEST_F(Form1Display, CaptionsAndNamesReadOnEitherSchemeAndFollowAChange) {
    const struct {
        const char* name;
        QColor stored;
        bool keptOnWhite; // already readable on the white list
    } colours[] = {
        {"White", Qt::white, false},       {"Yellow", Qt::yellow, false},
        {"Red", Qt::red, false},           {"Grey", QColor(0x76, 0x76, 0x76), true},
        {"Navy", QColor(0, 0, 128), true}, {"Black", Qt::black, true},
    };
    for (const auto& c : colours) {
        const int code = common::codeFromColour(c.stored);
        store::insertGroup(db(), group(c.name, "", code));
        store::insertItem(db(), item(c.name, c.name, 1, "/tmp", "", 0, code));
    }
    const QPalette light = QApplication::palette();
    const auto shown = [&](const char* name) {
        clickCategory(name);
        return std::pair{form.ListView1()->item(0)->foreground().color(),
                         findCategory(name)->foreground(0).color()};
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(c.name);
        const auto [caption, node] = shown(c.name);
        EXPECT_GE(common::contrastRatio(caption, Qt::white), 4.5);
        EXPECT_GE(common::contrastRatio(node, Qt::white), 4.5);
        EXPECT_EQ(caption == c.stored, c.keptOnWhite) << caption.name().toStdString();
        EXPECT_EQ(node == c.stored, c.keptOnWhite) << node.name().toStdString();

        // The desktop turns dark while the window shows the category: both follow at once.
        QApplication::setPalette(darkPalette());
        const QColor base = QColor(45, 45, 45);
        const QColor darkCaption = form.ListView1()->item(0)->foreground().color();
        const QColor darkNode = findCategory(c.name)->foreground(0).color();
        QApplication::setPalette(light);
        EXPECT_GE(common::contrastRatio(darkCaption, base), 4.5)
            << darkCaption.name().toStdString();
        EXPECT_GE(common::contrastRatio(darkNode, base), 4.5) << darkNode.name().toStdString();
        EXPECT_EQ(form.ListView1()->item(0)->foreground().color(), caption) << "and back";
        EXPECT_EQ(findCategory(c.name)->foreground(0).color(), node);
        EXPECT_EQ(store::selectItemInGroup(db(), c.name, c.name)
                      .field(store::column::itemtextcolor)
                      .toInt32(),
                  common::codeFromColour(c.stored))
            << "the stored colour is never changed";
    }
}

} // namespace

namespace {

// How many strongly red pixels the list shows inside an entry's icon.
int redPixelsInIcon(QListWidget* list, int row) {
    const QImage shown = list->viewport()->grab().toImage();
    const QRect cell = list->visualItemRect(list->item(row));
    const QRect icon(cell.left() + (cell.width() - list->iconSize().width()) / 2, cell.top(),
                     list->iconSize().width(), list->iconSize().height() + 8);
    int red = 0;
    for (int y = icon.top(); y <= icon.bottom(); ++y) {
        for (int x = icon.left(); x <= icon.right(); ++x) {
            const QColor pixel = shown.pixelColor(x * shown.width() / list->viewport()->width(),
                                                  y * shown.height() / list->viewport()->height());
            red += pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90;
        }
    }
    return red;
}

TEST_F(Form1Display, AShortcutWhoseTargetIsGoneShowsItIsMissing) {
    platform.files.folders.insert("/home/me/Music");
    platform.files.files["/usr/bin/editor"] = "";
    platform.files.files["/home/me/notes.txt"] = "";
    store::insertGroup(db(), group("Mixed"));
    const struct {
        const char* caption;
        std::int16_t kind;
        const char* path;
        bool missing;
    } cases[] = {
        {"a Music", 1, "/home/me/Music", false},
        {"b Gone folder", 1, "/home/me/Old", true},
        {"c Editor", 2, "/usr/bin/editor", false},
        {"d Gone program", 2, "/usr/bin/gone", true},
        {"e A folder as program", 2, "/home/me/Music", true},
        {"f Site", 3, "www.example.org", false},
        {"g Mail", 4, "me@example.org", false},
        {"h Notes", 5, "/home/me/notes.txt", false},
        {"i Gone notes", 5, "/home/me/gone.txt", true},
        {"j Address", 5, "https://example.org", false},
    };
    for (const auto& c : cases) {
        store::insertItem(db(), item("Mixed", c.caption, c.kind, c.path));
    }
    clickCategory("Mixed");
    QListWidget* list = form.ListView1();
    ASSERT_EQ(list->count(), static_cast<int>(std::size(cases)));
    for (int row = 0; row < list->count(); ++row) {
        const auto& c = cases[row];
        SCOPED_TRACE(c.caption);
        list->scrollToItem(list->item(row));
        EXPECT_EQ(redPixelsInIcon(list, row) > 12, c.missing);
    }
    // The target comes back: the next fill shows the ordinary picture.
    platform.files.folders.insert("/home/me/Old");
    clickCategory("Mixed");
    list->scrollToItem(list->item(1));
    EXPECT_LE(redPixelsInIcon(list, 1), 12);
}

} // namespace

namespace {

// The part of an area of a picture that differs from the area's corner: the text drawn there.
QImage inkIn(const QImage& picture, const QRect& area) {
    const QColor paper = picture.pixelColor(area.topLeft());
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixelColor(x, y) != paper) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return picture.copy(ink);
}

// Whether two pictures of a text show the same: text placed at another fraction of a pixel
// shades its edges a little differently (a glyph reaching past the edge loses a column or two),
// a text in another order differs throughout.
bool sameText(const QImage& a, const QImage& b) {
    if (a.isNull() || std::abs(a.width() - b.width()) > 3 ||
        std::abs(a.height() - b.height()) > 1) {
        return false;
    }
    // Looked at from further away, where a shift by a fraction of a pixel no longer shows.
    const QSize far(std::max(8, a.width() / 4), std::max(4, a.height() / 3));
    const QImage nearA = a.scaled(far, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage nearB = b.scaled(far, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < far.height(); ++y) {
        for (int x = 0; x < far.width(); ++x) {
            differing += std::abs(qGray(nearA.pixel(x, y)) - qGray(nearB.pixel(x, y))) > 64;
        }
    }
    return differing * 100 < far.width() * far.height() * 5;
}

TEST_F(Form1Display, CaptionsNamesAndDescriptionsReadInTheirOwnDirection) {
    const QString latin = QStringLiteral("Spreadsheet 100% done");
    const QString arabic = QStringLiteral("جدول 100% منجز");
    // Without a letter a name or description reads from the left in both; a caption, the
    // window's way.
    const QString figures = QStringLiteral("100% (2024)");
    for (const QString& text : {latin, arabic, figures}) {
        store::insertGroup(db(), group(text.toStdString(), text.toStdString()));
        store::insertItem(db(), item(text.toStdString(), text.toStdString(), 3, "example.org"));
    }
    // What each shows, as the screen has it, with the window laid out in one direction.
    const auto shown = [&](Qt::LayoutDirection direction, const QString& text) {
        QApplication::setLayoutDirection(direction);
        QTreeWidgetItem* node = clickCategory(text);
        form.TreeView1()->clearSelection();
        form.TreeView1()->setCurrentItem(nullptr);
        QListWidget* list = form.ListView1();
        list->clearSelection();
        form.setDescription(text);
        QTreeWidget* tree = form.TreeView1();
        const QImage treePicture = tree->viewport()->grab().toImage();
        // The name without the folder picture before it: the ink after the first blank column.
        const QImage row = inkIn(treePicture, tree->visualItemRect(node));
        const QColor paper = treePicture.pixelColor(tree->visualItemRect(node).topLeft());
        const auto blank = [&](int x) {
            for (int y = 0; y < row.height(); ++y) {
                if (row.pixelColor(x, y) != paper) {
                    return false;
                }
            }
            return true;
        };
        int gap = 0;
        const bool ltr = direction == Qt::LeftToRight;
        for (int i = 0; i < row.width() && !gap; ++i) {
            gap = blank(ltr ? i : row.width() - 1 - i) ? i : 0;
        }
        const QImage name = ltr ? row.copy(gap, 0, row.width() - gap, row.height())
                                : row.copy(0, 0, row.width() - gap, row.height());
        auto* shortcuts = static_cast<app::ShortcutList*>(list);
        const QRect cell = shortcuts->visualItemRect(list->item(0));
        const QImage caption = inkIn(list->viewport()->grab().toImage(),
                                     shortcuts->captionRect(cell, 3).intersected(cell));
        const QImage description =
            inkIn(form.Label1()->grab().toImage(), form.Label1()->rect().adjusted(1, 1, -1, -1));
        return std::tuple{inkIn(name, name.rect()), caption, description};
    };
    for (const QString& text : {latin, arabic, figures}) {
        SCOPED_TRACE(text.toStdString());
        const auto [leftName, leftCaption, leftDescription] = shown(Qt::LeftToRight, text);
        const auto [rightName, rightCaption, rightDescription] = shown(Qt::RightToLeft, text);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        EXPECT_TRUE(sameText(leftName, rightName)) << "the category's name";
        if (text != figures) {
            EXPECT_TRUE(sameText(leftCaption, rightCaption)) << "the shortcut's caption";
        }
        if (text != arabic) {
            // An Arabic description's first letter reaches past the line's left end, which cuts
            // it left to right only.
            EXPECT_TRUE(sameText(leftDescription, rightDescription)) << "the description";
        }
    }
}

} // namespace
