// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "app/CategoryNode.h"
#include "app/CategoryTree.h"
#include "app/DescriptionLine.h"
#include "app/ShortcutList.h"
#include "common/ColourScheme.h"
#include "common/Fonts.h"
#include "common/ImageLists.h"
#include "common/LayoutDirection.h"
#include "common/Painting.h"
#include "common/TextFit.h"
#include "finder/Finder.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace app {

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
    // Its answer, if any, finds no window and is dropped.
    if (nameCheck_.joinable()) {
        nameCheck_.join();
    }
}

void Form1::buildControls() {
    // The window's bold Arial, stand-in and all, is set before the form builds its controls, so
    // that they measure their captions once, in the font they keep.
    setFont(common::arialBold(9));
    Ui::Form1 form;
    form.setupUi(this);
    common::mirrorForLayoutDirection(this);
    frame1_ = form.Frame1;
    frame2_ = form.Frame2;
    tree_ = form.TreeView1;
    list_ = form.ListView1;
    label_ = form.Label1;
    buttons_ = {form.PushButton1, form.PushButton2, form.PushButton3,
                form.PushButton4, form.PushButton5, form.PushButton6,
                form.PushButton7, form.PushButton8, form.PushButton9};
    common::applyFormFonts(this);
    label_->setFont(common::arialBold(15.75));
    // The description line cuts itself short; every other caption is shown whole.
    label_->setProperty("fitsItself", true);
    common::fitTexts(this);

    // Every entry takes one cell of the size its fill measured, so the view measures one entry,
    // not every one.
    static_cast<ShortcutList*>(list_)->fitCellsTo({});
    setListBackground(std::nullopt);
    applyColourScheme();
    new common::SchemeWatch(this, [this] { applyColourScheme(); });

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
    // The window takes the whole scheme, so that its text colours follow a change of scheme;
    // the frames and the description line fill from the window's palette.
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::Window, common::windowBackground(scheme));
    setPalette(scheme);
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(frame1_),
                          static_cast<QWidget*>(frame2_), static_cast<QWidget*>(label_)}) {
        area->setAutoFillBackground(true);
    }
    setListBackground(listPicture_);
    // The captions and names take their colours anew for the scheme; the stored ones stay.
    if (QTreeWidgetItem* root = tree_->topLevelItem(0)) {
        for (int i = 0; i < root->childCount(); ++i) {
            static_cast<CategoryNode*>(root->child(i))->followScheme(scheme);
        }
        tree_->viewport()->update();
    }
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* entry = list_->item(i);
        if (const QVariant stored = entry->data(kStoredColourRole); stored.isValid()) {
            entry->setForeground(common::shownColour(stored.value<QColor>(), scheme));
        }
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The desktop's scheme reaches the window through its SchemeWatch; a theme change of the
    // window's own may come here.
    if (event->type() == QEvent::ThemeChange) {
        applyColourScheme();
    }
}

void Form1::setListBackground(const std::optional<QPixmap>& picture) {
    listPicture_ = picture;
    QPalette palette = QApplication::palette();
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
    if (position == kRootPosition) {
        return root;
    }
    const int child = position - kRootPosition - 1;
    return child < root->childCount() ? root->child(child) : nullptr;
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
    return parent ? kRootPosition + 1 + parent->indexOfChild(node) : kRootPosition;
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
