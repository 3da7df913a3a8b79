// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShortcutList.h"

#include "app/CaptionLayout.h"
#include "common/LayoutDirection.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>

namespace app {

namespace {

// A cell's width, as the list always had it, and the room around its icon and caption.
constexpr int kCellWidth = 96;
constexpr int kMargin = 4;

// From this many captions, learning their character pairs costs less than measuring each.
constexpr qsizetype kCaptionsWorthPairs = 5000;

QPalette::ColorGroup colourGroup(const QStyleOptionViewItem& option) {
    if (!option.state.testFlag(QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

// Draws caption lines centred in `area`, on the highlight when the entry is selected.
void drawCaption(QPainter* painter, const QStringList& lines, const QRect& area,
                 const QFontMetrics& metrics, const QPen& pen, const QBrush* highlight) {
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    if (highlight) {
        const int width = std::min(area.width(), widest) + 2 * kMargin;
        painter->fillRect(QRect(area.center().x() - width / 2, area.top(), width, area.height()),
                          *highlight);
    }
    painter->setPen(pen);
    // A caption reads in its own direction; its lines stay centred.
    painter->setLayoutDirection(
        common::readingDirection(lines.join(QLatin1Char(' ')), painter->layoutDirection()));
    QRect line(area.left(), area.top(), area.width(), metrics.lineSpacing());
    for (const QString& text : lines) {
        painter->drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
        line.translate(0, metrics.lineSpacing());
    }
}

} // namespace

ShortcutList::ShortcutList(QWidget* parent)
    : QListWidget(parent), delegate_(new ShortcutDelegate(this)) {
    setItemDelegate(delegate_);
    // The selected entry shows its whole caption over the cells below it: they are drawn again
    // when the selection moves.
    connect(this, &QListWidget::currentItemChanged, viewport(), qOverload<>(&QWidget::update));
}

int ShortcutList::captionWidth() const {
    return kCellWidth - 2 * kMargin;
}

QRect ShortcutList::captionRect(const QRect& cell, int lines) const {
    return QRect(cell.left() + kMargin, cell.top() + kMargin + iconSize().height() + kMargin,
                 captionWidth(), lines * fontMetrics().lineSpacing());
}

void ShortcutList::fitCellsTo(const QStringList& captions) {
    int lines = 1;
    const int width = captionWidth();
    // A caption on one line needs no more. Told from character pairs, learnt in a long list
    // and kept for the next, it costs a fraction of measuring the caption: in a long list that
    // measure was most of the fill.
    pairWidths_.useFont(font());
    const bool learn = captions.size() >= kCaptionsWorthPairs;
    for (const QString& caption : captions) {
        if (pairWidths_.fitsOneLine(caption, width, learn) == true) {
            continue;
        }
        // Only a caption that needs more lines than the cells have so far is counted in full.
        if (captionNeedsMoreLines(font(), caption, width, lines)) {
            lines = captionLineCount(font(), caption, width, kMaxCaptionLines);
        }
        if (lines == kMaxCaptionLines) {
            break;
        }
    }
    const QSize cell(kCellWidth, captionRect(QRect(), lines).bottom() + 1 + kMargin);
    delegate_->setCellSize(cell);
    setGridSize(cell);
}

void ShortcutList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // The selected entry's caption, when the cell cuts it short, shows whole over its
    // neighbours.
    QListWidgetItem* entry = currentItem();
    if (!entry || !entry->isSelected()) {
        return;
    }
    const WrappedCaption whole = wrapCaption(font(), entry->text(), captionWidth(), 0);
    if (whole.lines.size() <= kMaxCaptionLines) {
        return;
    }
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette::ColorGroup group =
        hasFocus() || !isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QBrush highlight = palette().brush(group, QPalette::Highlight);
    drawCaption(&painter, whole.lines,
                captionRect(visualItemRect(entry), static_cast<int>(whole.lines.size())),
                fontMetrics(), QPen(palette().color(group, QPalette::HighlightedText)), &highlight);
}

bool ShortcutList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QListWidget::viewportEvent(event);
    }
    // A caption cut short has itself as its hover text.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QListWidgetItem* entry = itemAt(help->pos());
    if (entry && captionLineCount(font(), entry->text(), captionWidth(), kMaxCaptionLines + 1) >
                     kMaxCaptionLines) {
        QToolTip::showText(help->globalPos(),
                           Qt::convertFromPlainText(entry->text(), Qt::WhiteSpaceNormal),
                           viewport(), visualItemRect(entry));
    } else {
        QToolTip::hideText();
    }
    return true;
}

ShortcutEntry::ShortcutEntry(const QIcon& icon, const QString& caption, int image,
                             std::optional<QColor> stored)
    : QListWidgetItem(icon, caption), image_(image), stored_(std::move(stored)) {}

QVariant ShortcutEntry::data(int role) const {
    switch (role) {
    case kImageRole:
        return image_;
    case kStoredColourRole:
        return stored_ ? QVariant(*stored_) : QVariant();
    default:
        return QListWidgetItem::data(role);
    }
}

void ShortcutEntry::setData(int role, const QVariant& value) {
    switch (role) {
    case kImageRole:
        image_ = value.toInt();
        break;
    case kStoredColourRole:
        stored_ = value.isValid() ? std::optional<QColor>(value.value<QColor>()) : std::nullopt;
        break;
    default:
        QListWidgetItem::setData(role, value);
    }
}

QListWidgetItem* ShortcutEntry::clone() const {
    return new ShortcutEntry(*this);
}

ShortcutDelegate::ShortcutDelegate(ShortcutList* list) : QStyledItemDelegate(list), list_(list) {}

QSize ShortcutDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    return cell_.isValid() ? cell_ : QStyledItemDelegate::sizeHint(option, index);
}

void ShortcutDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    const QPalette::ColorGroup group = colourGroup(entry);
    const bool selected = entry.state.testFlag(QStyle::State_Selected);
    const QRect cell = entry.rect;
    const QSize iconSize = list_->iconSize();
    painter->save();
    const QRect iconArea(cell.left() + (cell.width() - iconSize.width()) / 2, cell.top() + kMargin,
                         iconSize.width(), iconSize.height());
    entry.icon.paint(painter, iconArea, Qt::AlignCenter,
                     selected ? QIcon::Selected : QIcon::Normal);

    const WrappedCaption caption =
        wrapCaption(entry.font, entry.text, list_->captionWidth(), ShortcutList::kMaxCaptionLines);
    const QRect area = list_->captionRect(cell, static_cast<int>(caption.lines.size()));
    const QFontMetrics metrics(entry.font);
    painter->setFont(entry.font);
    const QBrush highlight = entry.palette.brush(group, QPalette::Highlight);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor colour = selected ? entry.palette.color(group, QPalette::HighlightedText)
                          : foreground.canConvert<QBrush>() && foreground.isValid()
                              ? foreground.value<QBrush>().color()
                              : entry.palette.color(group, QPalette::Text);
    drawCaption(painter, caption.lines, area, metrics, QPen(colour),
                selected ? &highlight : nullptr);
    if (entry.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(entry);
        focus.rect = area.adjusted(-kMargin / 2, 0, kMargin / 2, 0);
        focus.backgroundColor =
            entry.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        list_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list_);
    }
    painter->restore();
}

} // namespace app
