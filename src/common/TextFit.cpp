// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

namespace common {

namespace {

constexpr double kSmallestPoints = 5.0;
constexpr double kPointStep = 0.5;
constexpr int kGap = 2;         // the least room kept between a grown control and the next
constexpr int kEdgeMargin = 8;  // and between it and its window's or frame's edge
constexpr int kTitleIndent = 8; // where a frame's title begins and ends

const char* const kDesignedGeometry = "vantoryDesignedGeometry";
const char* const kDesignedFont = "vantoryDesignedFont";
const char* const kDesignedWrap = "vantoryDesignedWrap";

// Controls the form placed, as opposed to the parts a control builds itself.
bool isPlaced(const QWidget* widget) {
    return !widget->isWindow() && !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(u"qt_") && !widget->property("fitsItself").toBool();
}

QString shownText(const QAbstractButton* button) {
    QString text = button->text();
    return text.remove(QLatin1Char('&'));
}

// A rectangle as seen from the leading edge of its parent: mirrored right to left, so that the
// rules below read the same in both directions. Mirroring twice gives the rectangle back.
QRect logical(const QWidget* control, const QRect& rect) {
    if (!control->isRightToLeft() || !control->parentWidget()) {
        return rect;
    }
    const int width = control->parentWidget()->width();
    return QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
}

void placeLogical(QWidget* control, const QRect& rect) {
    control->setGeometry(logical(control, rect));
}

std::vector<QWidget*> placedSiblings(const QWidget* control) {
    std::vector<QWidget*> siblings;
    for (QWidget* sibling :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && isPlaced(sibling) && !sibling->isHidden()) {
            siblings.push_back(sibling);
        }
    }
    return siblings;
}

// How far the control may reach towards its trailing edge without meeting a sibling beside it.
int trailingLimit(const QWidget* control, const QRect& at) {
    int limit = control->parentWidget()->width() - kEdgeMargin;
    for (const QWidget* sibling : placedSiblings(control)) {
        const QRect other = logical(sibling, sibling->geometry());
        if (other.top() <= at.bottom() && other.bottom() >= at.top() &&
            other.left() >= at.right()) {
            limit = std::min(limit, other.left() - kGap);
        }
    }
    return limit;
}

// The free rows above and below the control within its columns.
std::pair<int, int> verticalRoom(const QWidget* control, const QRect& at) {
    int top = 0;
    int bottom = control->parentWidget()->height();
    for (const QWidget* sibling : placedSiblings(control)) {
        const QRect other = logical(sibling, sibling->geometry());
        if (other.left() > at.right() || other.right() < at.left()) {
            continue;
        }
        if (other.bottom() < at.center().y()) {
            top = std::max(top, other.bottom() + 1 + kGap / 2);
        } else if (other.top() > at.center().y()) {
            bottom = std::min(bottom, other.top() - kGap / 2);
        }
    }
    return {top, bottom};
}

void rememberDesign(QWidget* control) {
    if (!control->property(kDesignedGeometry).isValid()) {
        control->setProperty(kDesignedGeometry, control->geometry());
        control->setProperty(kDesignedFont, control->font());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            control->setProperty(kDesignedWrap, label->wordWrap());
        }
        return;
    }
    control->setGeometry(control->property(kDesignedGeometry).toRect());
    const QFont designed = control->property(kDesignedFont).value<QFont>();
    if (control->font() != designed) {
        control->setFont(designed);
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setWordWrap(control->property(kDesignedWrap).toBool());
    }
}

bool shrinkFont(QWidget* control) {
    QFont font = control->font();
    if (font.pointSizeF() - kPointStep < kSmallestPoints) {
        return false;
    }
    font.setPointSizeF(font.pointSizeF() - kPointStep);
    control->setFont(font);
    return true;
}

bool labelFitsAt(QLabel* label, const QRect& at) {
    if (label->wordWrap()) {
        return label->heightForWidth(at.width()) <= at.height();
    }
    return std::max(label->fontMetrics().horizontalAdvance(label->text()),
                    label->sizeHint().width()) <= at.width();
}

// A label widens into the free room beside it, then wraps into the rows free above and below,
// and shrinks its font only where neither is enough.
void fitLabel(QLabel* label) {
    if (textFits(label)) {
        return;
    }
    const QRect designed = logical(label, label->geometry());
    for (;;) {
        QRect at = designed;
        const int needed = std::max(label->fontMetrics().horizontalAdvance(label->text()),
                                    label->sizeHint().width());
        const int room = std::max(designed.width(), trailingLimit(label, designed) - at.left());
        at.setWidth(std::clamp(needed, designed.width(), room));
        if (needed <= at.width()) {
            placeLogical(label, at);
            return;
        }
        const auto [top, bottom] = verticalRoom(label, at);
        label->setWordWrap(true);
        const int height = label->heightForWidth(at.width());
        if (height > 0 && height <= bottom - top) {
            const int centre = designed.center().y();
            at.setTop(std::clamp(centre - height / 2, top, bottom - height));
            at.setHeight(height);
            placeLogical(label, at);
            return;
        }
        label->setWordWrap(label->property(kDesignedWrap).toBool());
        if (!shrinkFont(label)) {
            placeLogical(label, at);
            return;
        }
    }
}

// Radio buttons and check boxes in one row move apart to give each its caption's width, keeping
// the designed gaps; the whole row shrinks its font together where the row cannot hold them.
void fitRow(std::vector<QAbstractButton*> row) {
    std::sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) {
        return logical(a, a->geometry()).left() < logical(b, b->geometry()).left();
    });
    if (std::all_of(row.begin(), row.end(), [](const QWidget* b) { return textFits(b); })) {
        return;
    }
    std::vector<QRect> designed;
    for (const QWidget* button : row) {
        designed.push_back(logical(button, button->geometry()));
    }
    const int limit = row.front()->parentWidget()->width() - kEdgeMargin;
    for (;;) {
        std::vector<QRect> placed;
        int x = designed.front().left();
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                const int gap = designed[i].left() - designed[i - 1].right() - 1;
                x += std::max(gap, kGap);
            }
            QRect at = designed[i];
            at.moveLeft(x);
            at.setWidth(std::max(designed[i].width(), row[i]->sizeHint().width()));
            placed.push_back(at);
            x = at.right() + 1;
        }
        if (x <= limit || !std::all_of(row.begin(), row.end(), shrinkFont)) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                placeLogical(row[i], placed[i]);
            }
            return;
        }
    }
}

void fitShrinking(QWidget* control) {
    while (!textFits(control) && shrinkFont(control)) {
    }
}

// A frame's title shrinks alone: the controls inside keep the font they have.
void fitTitle(QGroupBox* frame) {
    if (textFits(frame)) {
        return;
    }
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont)) {
            child->setFont(child->font());
        }
    }
    fitShrinking(frame);
}

} // namespace

bool textFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().isEmpty() ||
               labelFitsAt(const_cast<QLabel*>(label), label->contentsRect());
    }
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control)) {
        return control->sizeHint().width() <= control->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyle* style = button->style();
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return button->fontMetrics().horizontalAdvance(shownText(button)) + iconWidth + 2 * frame +
                   2 <=
               button->width();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title().isEmpty() ||
               frame->fontMetrics().horizontalAdvance(QString(frame->title()).remove(u'&')) +
                       2 * kTitleIndent <=
                   frame->width();
    }
    return true;
}

void fitTexts(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (isPlaced(control) && control->parentWidget() &&
            (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
             qobject_cast<QGroupBox*>(control))) {
            rememberDesign(control);
            controls.push_back(control);
        }
    }
    // Radio buttons and check boxes of one parent and one row are fitted together.
    std::map<std::pair<QWidget*, int>, std::vector<QAbstractButton*>> rows;
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<QLabel*>(control)) {
            fitLabel(label);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            fitTitle(frame);
        } else if (qobject_cast<QPushButton*>(control)) {
            fitShrinking(control);
        } else if (auto* choice = qobject_cast<QAbstractButton*>(control)) {
            rows[{choice->parentWidget(), choice->y()}].push_back(choice);
        }
    }
    for (auto& [where, row] : rows) {
        fitRow(row);
    }
}

} // namespace common
