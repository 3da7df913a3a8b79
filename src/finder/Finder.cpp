// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/Finder.h"

#include "common/ImageLists.h"
#include "common/ShortcutIcon.h"
#include "finder/FinderIndex.h"
#include "finder/FinderRow.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include <QCoreApplication>

namespace finder {

namespace {

// A shortcut's picture, as the list shows it; one of a kind without a picture shows the
// computer's.
QIcon pictureOf(platform::TargetIcons& icons, std::int16_t kind, const QString& path) {
    try {
        return common::shortcutIcon(icons, kind, path, common::kindPicture(kind));
    } catch (const std::out_of_range&) {
        return common::imageListIcon(1);
    }
}

constexpr int kWidth = 480;
// The popup stands this far below the window's top edge, over the frames' titles.
constexpr int kTop = 36;

QString detailOf(const store::ShortcutSummary& shortcut) {
    return QString::fromStdString(shortcut.category) + QStringLiteral("  \u2014  ") +
           QString::fromStdString(shortcut.path);
}

} // namespace

Finder::Finder(QWidget* window, platform::TargetIcons& icons)
    : QFrame(window, Qt::Popup), icons_(icons) {
    setObjectName(QStringLiteral("Finder"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kWidth);

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("FinderField"));
    field_->setAccessibleName(QCoreApplication::translate("Vantory", "Find a shortcut"));
    field_->setPlaceholderText(QCoreApplication::translate("Vantory", "Find a shortcut"));
    field_->setClearButtonEnabled(false);
    field_->installEventFilter(this);

    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("FinderResults"));
    results_->setItemDelegate(new FinderRow(results_));
    results_->setIconSize(QSize(FinderRow::kPicture, FinderRow::kPicture));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setUniformItemSizes(true);
    // The keys stay in the field: Up and Down reach the list through it.
    results_->setFocusPolicy(Qt::NoFocus);
    results_->setAccessibleName(QCoreApplication::translate("Vantory", "Shortcuts found"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(field_);
    layout->addWidget(results_);

    connect(field_, &QLineEdit::textChanged, this, [this] { search(); });
    connect(results_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item->data(kShortcutRole).isValid()) {
            results_->setCurrentItem(item);
            choose(true);
        }
    });
}

void Finder::open(const QString& text) {
    QWidget* window = parentWidget();
    move(window->mapToGlobal(QPoint((window->width() - width()) / 2, kTop)));
    field_->setText(text);
    search();
    show();
    raise();
    activateWindow();
    field_->setFocus();
    field_->end(false);
}

void Finder::setIndex(FinderIndex* index) {
    index_ = index;
    search();
}

void Finder::search() {
    results_->clear();
    const QString text = field_->text();
    if (index_ == nullptr || text.trimmed().isEmpty()) {
        results_->setAccessibleDescription(QString());
        fitHeight();
        return;
    }
    const FinderIndex::Found found = index_->find(text, kMaxRows);
    for (std::size_t number : found.best) {
        const store::ShortcutSummary& shortcut = index_->shortcut(number);
        const QString caption = QString::fromStdString(shortcut.caption);
        auto* row = new QListWidgetItem(
            pictureOf(icons_, shortcut.kind, QString::fromStdString(shortcut.path)), caption);
        row->setData(kShortcutRole, QVariant::fromValue<qulonglong>(number));
        row->setData(kDetailRole, detailOf(shortcut));
        row->setData(Qt::AccessibleTextRole,
                     caption + QStringLiteral(", ") + QString::fromStdString(shortcut.category));
        results_->addItem(row);
    }
    QString count;
    if (found.total == 0) {
        auto* none =
            new QListWidgetItem(QCoreApplication::translate("Vantory", "No shortcut matches."));
        none->setFlags(Qt::ItemIsEnabled);
        results_->addItem(none);
        count = none->text();
    } else {
        results_->setCurrentRow(0);
        count = found.total == 1
                    ? QCoreApplication::translate("Vantory", "1 shortcut found")
                    : QCoreApplication::translate("Vantory", "%1 shortcuts found").arg(found.total);
    }
    // Screen readers hear the count as the list's description changes.
    results_->setAccessibleDescription(count);
    fitHeight();
}

void Finder::fitHeight() {
    const int rows = results_->count();
    results_->setVisible(rows > 0);
    if (rows > 0) {
        results_->setFixedHeight(rows * results_->sizeHintForRow(0) + 2 * results_->frameWidth());
    }
    adjustSize();
}

void Finder::moveSelection(int step) {
    const int row = results_->currentRow() + step;
    if (results_->currentItem() && row >= 0 && row < results_->count()) {
        results_->setCurrentRow(row);
    }
}

void Finder::choose(bool launch) {
    QListWidgetItem* row = results_->currentItem();
    if (row == nullptr || !row->data(kShortcutRole).isValid()) {
        return;
    }
    const auto number = static_cast<std::size_t>(row->data(kShortcutRole).toULongLong());
    close();
    Q_EMIT chosen(number, launch);
}

bool Finder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
            moveSelection(-1);
            return true;
        case Qt::Key_Down:
            moveSelection(1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(!(key->modifiers() & Qt::AltModifier));
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void Finder::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    Q_EMIT closed();
}

} // namespace finder
