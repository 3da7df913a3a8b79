// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "app/CategoryTree.h"
#include "app/DescriptionLine.h"
#include "app/Finder.h"
#include "app/ShortcutList.h"
#include "common/ColourScheme.h"
#include "common/Fonts.h"
#include "common/ImageLists.h"
#include "common/Painting.h"
#include "common/Twips.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace app {

namespace {

struct ButtonPlace {
    int number;
    const char* caption;
    int frame; // 0 the window, 1 or 2 the frame
    QRect geometry;
};

// The command buttons as the window lays them out.
const ButtonPlace kButtons[] = {
    {1, "Add", 1, common::twipsRect(240, 3900, 3120, 405)},
    {2, "Edit", 1, common::twipsRect(240, 4410, 3120, 405)},
    {3, "Delete", 1, common::twipsRect(240, 4920, 3120, 405)},
    {4, "Add Shortcut By EXE", 2, common::twipsRect(240, 4410, 3600, 405)},
    {5, "Edit Selected", 2, common::twipsRect(3960, 4920, 3600, 405)},
    {6, "Delete Selected", 2, common::twipsRect(240, 4920, 3600, 405)},
    {7, "Launch Selected (Ctrl+L)", 2, common::twipsRect(240, 3900, 7320, 405)},
    {8, "Help", 0, common::twipsRect(120, 120, 11520, 405)},
    {9, "Add Shortcut By .lnk", 2, common::twipsRect(3960, 4410, 3600, 405)},
};

} // namespace

Form1::Form1(platform::Services& services, common::Globals& globals, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services), globals_(globals) {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    connectControls();
    connectDragDrop();
    // Placed before anything can be shown, so that message boxes at start-up open where the
    // window will open.
    centreOnScreen();
}

void Form1::centreOnScreen() {
    if (const QScreen* where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
}

Form1::~Form1() {
    // The finder tells the window when it closes: it goes while the window is still whole.
    delete finder_;
}

void Form1::buildControls() {
    setFixedSize(common::twips(11760), common::twips(6795));
    setFont(common::arialBold(9));

    frame1_ = new QGroupBox(QStringLiteral("Categories"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(common::twipsRect(120, 600, 3600, 5540));
    frame2_ = new QGroupBox(
        QStringLiteral("Shortcuts To Applications, Folders, URLs or E-mail Addresses"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(common::twipsRect(3840, 600, 7800, 5540));
    for (QGroupBox* frame : {frame1_, frame2_}) {
        frame->setAccessibleName(frame->title());
    }

    tree_ = new CategoryTree(frame1_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setGeometry(common::twipsRect(240, 300, 3120, 3495));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIconSize(QSize(16, 16));
    // Every node is one line of the tree's font beside a 16-pixel picture, so the view measures
    // one node instead of each one it lays out or draws.
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setAccessibleName(frame1_->title());

    auto* shortcuts = new ShortcutList(frame2_);
    list_ = shortcuts;
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setGeometry(common::twipsRect(360, 300, 7320, 3495));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(32, 32));
    list_->setMovement(QListView::Static);
    // Every entry takes one cell of the size its fill measured, so the view measures one entry,
    // not every one.
    list_->setUniformItemSizes(true);
    shortcuts->fitCellsTo({});
    list_->setResizeMode(QListView::Adjust);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName(frame2_->title());
    setListBackground(std::nullopt);

    for (const ButtonPlace& place : kButtons) {
        QWidget* parent = place.frame == 1   ? static_cast<QWidget*>(frame1_)
                          : place.frame == 2 ? static_cast<QWidget*>(frame2_)
                                             : static_cast<QWidget*>(this);
        auto* button = new QPushButton(QString::fromLatin1(place.caption), parent);
        button->setObjectName(QStringLiteral("PushButton%1").arg(place.number));
        button->setGeometry(place.geometry);
        button->setFont(common::arialBold(11.25));
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        buttons_.at(place.number - 1) = button;
    }

    label_ = new DescriptionLine(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(common::twipsRect(120, 6270, 11520, 405));
    label_->setFont(common::arialBold(15.75));
    // Descriptions are the user's text, shown as typed; a screen reader reads the text itself
    // as the label's name.
    label_->setTextFormat(Qt::PlainText);
    label_->setAccessibleDescription(QStringLiteral("Description"));
    applyColourScheme();

    // Tab order: the tree and its buttons, then the list and its buttons, then Help.
    const QList<QWidget*> order = {tree_,         PushButton(1), PushButton(2), PushButton(3),
                                   list_,         PushButton(4), PushButton(5), PushButton(6),
                                   PushButton(7), PushButton(8), PushButton(9)};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    // The window sees key presses before the focused control, and every area reports the
    // pointer passing over it.
    QList<QWidget*> watched = {this,  frame1_,           frame2_, label_,
                               tree_, tree_->viewport(), list_,   list_->viewport()};
    for (QPushButton* button : buttons_) {
        watched.append(button);
    }
    for (QWidget* widget : watched) {
        widget->installEventFilter(this);
        widget->setMouseTracking(true);
    }
}

void Form1::connectControls() {
    connect(PushButton(1), &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton(2), &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton(3), &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton(6), &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton(7), &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton(8), &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connect(PushButton(4), &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton(5), &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton(9), &QPushButton::clicked, this, [this] { PushButton9_Click(); });

    // A node click is the user's: a click on a node or a keyboard move. Selecting from code is not.
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    connect(static_cast<CategoryTree*>(tree_), &CategoryTree::movedByKeyboard, this,
            [this](QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListView1_ItemClick(item); });
}

void Form1::applyColourScheme() {
    // White under a light scheme; the scheme's own colours under a dark one, so that the text
    // the style draws in the scheme's colours stays readable.
    const QColor background = common::windowBackground(QApplication::palette());
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(frame1_),
                          static_cast<QWidget*>(frame2_), static_cast<QWidget*>(label_)}) {
        common::paintBackground(area, background);
    }
    setListBackground(listPicture_);
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyColourScheme();
    }
}

void Form1::setListBackground(const std::optional<QPixmap>& picture) {
    listPicture_ = picture;
    QPalette palette = list_->palette();
    palette.setBrush(QPalette::Base, picture ? QBrush(*picture)
                                             : QBrush(common::viewBase(QApplication::palette())));
    list_->setPalette(palette);
}

QString Form1::nodeKey(const QTreeWidgetItem* node) {
    return node ? node->data(0, Qt::UserRole).toString() : QString();
}

QTreeWidgetItem* Form1::selectedNode() const {
    // The current node: a click makes a node current before it updates the selection.
    return tree_->currentItem();
}

QTreeWidgetItem* Form1::nodeAt(int position) const {
    // Positions run root first, then its children, as the tree was filled.
    if (position < 1 || tree_->topLevelItemCount() == 0) {
        return nullptr;
    }
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    if (position == 1) {
        return root;
    }
    return position - 2 < root->childCount() ? root->child(position - 2) : nullptr;
}

int Form1::nodeCount() const {
    return tree_->topLevelItemCount() == 0 ? 0 : 1 + tree_->topLevelItem(0)->childCount();
}

int Form1::selectedNodePosition() const {
    QTreeWidgetItem* node = selectedNode();
    if (!node) {
        return 0;
    }
    QTreeWidgetItem* parent = node->parent();
    return parent ? 2 + parent->indexOfChild(node) : 1;
}

QString Form1::nodeText(int position) const {
    QTreeWidgetItem* node = nodeAt(position);
    return node ? node->text(0) : QString();
}

void Form1::selectNode(int position) {
    if (QTreeWidgetItem* node = nodeAt(position)) {
        tree_->setCurrentItem(node);
    }
}

void Form1::nodeClick() {
    TreeView1_NodeClick(selectedNode());
}

int Form1::entryCount() const {
    return list_->count();
}

int Form1::selectedEntryPosition() const {
    QListWidgetItem* entry = list_->currentItem();
    return entry ? list_->row(entry) + 1 : 0;
}

std::optional<QString> Form1::selectedCaption() const {
    QListWidgetItem* entry = list_->currentItem();
    return entry ? std::optional<QString>(entry->text()) : std::nullopt;
}

void Form1::setDescription(const QString& text) {
    label_->setText(text);
}

void Form1::clearList() {
    list_->clear();
}

QString Form1::selectedNodeText() const {
    QTreeWidgetItem* node = selectedNode();
    return node ? node->text(0) : QString();
}

} // namespace app
