// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderRow.h"

#include "finder/FinderResults.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace finder {

namespace {

constexpr int kMargin = 4;

} // namespace

QFont FinderRow::detailFont(const QFont& font) {
    QFont smaller = font;
    // A font may be sized in points or in pixels.
    if (font.pointSizeF() > 0) {
        smaller.setPointSizeF(font.pointSizeF() * 0.85);
    } else {
        smaller.setPixelSize(std::max(1, font.pixelSize() * 85 / 100));
    }
    smaller.setBold(false);
    return smaller;
}

QSize FinderRow::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    Q_UNUSED(index);
    const int text =
        QFontMetrics(option.font).height() + QFontMetrics(detailFont(option.font)).height();
    return {option.rect.width(), std::max(kPicture, text) + 2 * kMargin};
}

void FinderRow::paint(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    // The style draws the row's background and selection; the texts are drawn here.
    plain.text.clear();
    plain.icon = QIcon();
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorRole textRole = selected ? QPalette::HighlightedText : QPalette::Text;
    QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QString caption = index.data(Qt::DisplayRole).toString();
    const QString detail = index.data(FinderResults::kDetailRole).toString();
    const QIcon picture = index.data(Qt::DecorationRole).value<QIcon>();

    painter->save();
    if (!picture.isNull()) {
        // The picture leads: on the right under a right-to-left language.
        const bool mirrored = option.direction == Qt::RightToLeft;
        const QRect place(mirrored ? area.right() + 1 - kPicture : area.left(),
                          area.top() + (area.height() - kPicture) / 2, kPicture, kPicture);
        picture.paint(painter, place);
        if (mirrored) {
            area.setRight(place.left() - 1 - 2 * kMargin);
        } else {
            area.setLeft(place.right() + 1 + 2 * kMargin);
        }
    }
    const QFontMetrics captionMetrics(option.font);
    const QFont small = detailFont(option.font);
    const QFontMetrics detailMetrics(small);
    const bool twoLines = !detail.isEmpty();
    const int height = captionMetrics.height() + (twoLines ? detailMetrics.height() : 0);
    QRect line(area.left(), area.top() + (area.height() - height) / 2, area.width(),
               captionMetrics.height());
    painter->setPen(option.palette.color(textRole));
    painter->setFont(option.font);
    painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      captionMetrics.elidedText(caption, Qt::ElideRight, line.width()));
    if (twoLines) {
        line = QRect(line.left(), line.bottom() + 1, line.width(), detailMetrics.height());
        // Lighter: a third of the way from the text towards its background, still easy to read.
        const QColor ink = option.palette.color(textRole);
        const QColor ground = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        painter->setPen(QColor((2 * ink.red() + ground.red()) / 3,
                               (2 * ink.green() + ground.green()) / 3,
                               (2 * ink.blue() + ground.blue()) / 3));
        painter->setFont(small);
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          detailMetrics.elidedText(detail, Qt::ElideMiddle, line.width()));
    }
    painter->restore();
}

} // namespace finder
