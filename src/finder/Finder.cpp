// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/Finder.h"

#include "finder/FinderIndex.h"
#include "finder/FinderResults.h"
#include "finder/FinderRow.h"
#include "finder/ResultList.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace finder {

namespace {

constexpr int kWidth = 480;
// The panel stands this far below the window's top edge, over the frames' titles, and keeps
// this far from its other edges.
constexpr int kTop = 36;
constexpr int kEdge = 8;

} // namespace

Finder::Finder(QWidget* window, platform::TargetIcons& icons, platform::FileSystem& files)
    : QFrame(window) {
    setObjectName(QStringLiteral("Finder"));
    setAccessibleName(QCoreApplication::translate("Vantory", "Find a Shortcut"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    // A part of the window drawn over its other parts: it paints its own background.
    setAutoFillBackground(true);
    setCursor(Qt::ArrowCursor);
    hide();

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("FinderField"));
    field_->setAccessibleName(QCoreApplication::translate("Vantory", "Find a shortcut"));
    field_->setPlaceholderText(QCoreApplication::translate("Vantory", "Find a shortcut"));
    field_->setClearButtonEnabled(false);
    field_->installEventFilter(this);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("FinderCount"));
    count_->setTextFormat(Qt::PlainText);
    count_->setFont(FinderRow::detailFont(count_->font()));

    found_ = new FinderResults(icons, files, this);
    results_ = new ResultList(this);
    results_->setObjectName(QStringLiteral("FinderResults"));
    results_->setModel(found_);
    results_->setItemDelegate(new FinderRow(results_));
    results_->setIconSize(QSize(FinderRow::kPicture, FinderRow::kPicture));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The keys stay in the field: Up and Down reach the list through it.
    results_->setFocusPolicy(Qt::NoFocus);
    results_->setAccessibleName(QCoreApplication::translate("Vantory", "Shortcuts found"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(field_);
    layout->addWidget(count_);
    layout->addWidget(results_);

    connect(field_, &QLineEdit::textChanged, this, [this] { search(); });
    connect(results_, &QListView::clicked, this, [this] { choose(true); });
    connect(results_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { announceCurrentRow(); });
    // The panel follows its window's size.
    window->installEventFilter(this);
}

void Finder::open(const QString& text) {
    // A target may have gone, or come back, since the finder last showed it.
    found_->checkTargetsAgain();
    {
        // One search for the text, rather than one as it is set and another here.
        const QSignalBlocker quiet(field_);
        field_->setText(text);
    }
    search();
    show();
    raise();
    // The focus within the window only: whether the window is active is the desktop's call.
    field_->setFocus();
    field_->end(false);
    // A click anywhere else in the window closes the panel before it lands.
    qApp->installEventFilter(this);
}

void Finder::setIndex(FinderIndex* index) {
    index_ = index;
    if (isHidden()) {
        // Closed: opening searches the copy; until then no row points into the one before.
        found_->showFound(nullptr, 0);
        return;
    }
    search();
}

void Finder::search() {
    const QString text = field_->text();
    if (index_ == nullptr || text.trimmed().isEmpty()) {
        found_->showFound(nullptr, 0);
        count_->clear();
    } else {
        const std::size_t total = index_->find(text, kVisibleRows).total;
        found_->showFound(index_, total);
        if (total == 0) {
            count_->setText(QCoreApplication::translate("Vantory", "No shortcut matches."));
        } else {
            count_->setText(total == 1
                                ? QCoreApplication::translate("Vantory", "1 shortcut found")
                                : QCoreApplication::translate("Vantory", "%1 shortcuts found")
                                      .arg(QLocale().toString(static_cast<qulonglong>(total))));
            results_->setCurrentIndex(found_->index(0));
        }
    }
    count_->setVisible(!count_->text().isEmpty());
    // Screen readers hear the count as the list's description changes.
    results_->setAccessibleDescription(count_->text());
    place();
}

void Finder::place() {
    QWidget* window = parentWidget();
    const int width = std::min(kWidth, window->width() - 2 * kEdge);
    setFixedWidth(std::max(width, minimumSizeHint().width()));
    const int rows = found_->rowCount();
    results_->setVisible(rows > 0);
    if (rows > 0) {
        // As many rows as there are, up to ten, and no lower than the window's bottom.
        const int row = results_->sizeHintForRow(0);
        const int above = kTop + field_->sizeHint().height() + count_->sizeHint().height() + 16;
        const int room = std::max(1, (window->height() - above - kEdge) / std::max(1, row));
        const int shown = std::min({rows, kVisibleRows, room});
        results_->setFixedHeight(shown * row + 2 * results_->frameWidth());
    }
    adjustSize();
    move((window->width() - this->width()) / 2, kTop);
}

void Finder::moveSelection(int step) {
    const int rows = found_->rowCount();
    if (rows == 0) {
        return;
    }
    const int row = std::clamp(results_->currentIndex().row() + step, 0, rows - 1);
    results_->setCurrentIndex(found_->index(row));
}

void Finder::announceCurrentRow() {
    // The field keeps the focus; a screen reader follows the row chosen in the list.
    const QModelIndex current = results_->currentIndex();
    if (current.isValid() && QAccessible::isActive()) {
        QAccessibleEvent event(results_, QAccessible::ActiveDescendantChanged);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}

void Finder::choose(bool launch) {
    const std::optional<std::size_t> number = found_->shortcutAt(results_->currentIndex().row());
    if (!number) {
        return;
    }
    close();
    Q_EMIT chosen(*number, launch);
}

bool Finder::takeKey(const QKeyEvent& key) {
    const int page =
        std::max(1, results_->viewport()->height() / std::max(1, results_->sizeHintForRow(0)) - 1);
    switch (key.key()) {
    case Qt::Key_Up:
        moveSelection(-1);
        return true;
    case Qt::Key_Down:
        moveSelection(1);
        return true;
    case Qt::Key_PageUp:
        moveSelection(-page);
        return true;
    case Qt::Key_PageDown:
        moveSelection(page);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(!(key.modifiers() & Qt::AltModifier));
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        break;
    }
    return false;
}

bool Finder::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == field_ && takeKey(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Judged by where the click is, as it may reach the window after the panel passed it on.
        const auto* click = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (isVisible() && widget != nullptr && widget->window() == window() &&
            !rect().contains(mapFromGlobal(click->globalPosition().toPoint()))) {
            // Not taken: the click goes on to what it was meant for.
            close();
        }
        break;
    }
    case QEvent::Resize:
        if (watched == parentWidget() && isVisible()) {
            place();
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void Finder::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    // Closed, rather than hidden with its window, which shows it again.
    if (isHidden()) {
        qApp->removeEventFilter(this);
        Q_EMIT closed();
    }
}

} // namespace finder
