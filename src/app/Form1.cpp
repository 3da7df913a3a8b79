#include "app/Form1.h"

#include "app/ImageLists.h"
#include "app/Twips.h"

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

const QColor kWhite(255, 255, 255);

struct ButtonPlace {
    int number;
    const char* caption;
    int frame; // 0 the window, 1 or 2 the frame
    QRect geometry;
};

// The command buttons as the window lays them out.
const ButtonPlace kButtons[] = {
    {1, "Add", 1, twipsRect(240, 3900, 3120, 405)},
    {2, "Edit", 1, twipsRect(240, 4410, 3120, 405)},
    {3, "Delete", 1, twipsRect(240, 4920, 3120, 405)},
    {4, "Add Shortcut By EXE", 2, twipsRect(240, 4410, 3600, 405)},
    {5, "Edit Selected", 2, twipsRect(3960, 4920, 3600, 405)},
    {6, "Delete Selected", 2, twipsRect(240, 4920, 3600, 405)},
    {7, "Launch Selected (Ctrl+L)", 2, twipsRect(240, 3900, 7320, 405)},
    {8, "Help", 0, twipsRect(120, 120, 11520, 405)},
    {9, "Add Shortcut By .lnk", 2, twipsRect(3960, 4410, 3600, 405)},
};

QFont arial(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void paintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kWhite);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Form1::Form1(platform::Services& services, Globals& globals, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services), globals_(globals) {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    connectControls();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    setFixedSize(twips(11760), twips(6795));
    setFont(arial(9));
    paintWhite(this);

    frame1_ = new QGroupBox(QStringLiteral("Categories"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(120, 600, 3600, 5540));
    frame2_ = new QGroupBox(
        QStringLiteral("Shortcuts To Applications, Folders, URLs or E-mail Addresses"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(twipsRect(3840, 600, 7800, 5540));
    for (QGroupBox* frame : {frame1_, frame2_}) {
        paintWhite(frame);
        frame->setAccessibleName(frame->title());
    }

    tree_ = new QTreeWidget(frame1_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setGeometry(twipsRect(240, 300, 3120, 3495));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIconSize(QSize(16, 16));
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setAccessibleName(frame1_->title());

    list_ = new QListWidget(frame2_);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setGeometry(twipsRect(360, 300, 7320, 3495));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(32, 32));
    list_->setGridSize(QSize(96, 72));
    list_->setWordWrap(true);
    list_->setMovement(QListView::Static);
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
        button->setFont(arial(11.25));
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        buttons_.at(place.number - 1) = button;
    }

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(twipsRect(120, 6270, 11520, 405));
    label_->setFont(arial(15.75));
    label_->setAccessibleName(QStringLiteral("Description"));
    paintWhite(label_);

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
    connect(PushButton(3), &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton(6), &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton(7), &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton(8), &QPushButton::clicked, this, [this] { PushButton8_Click(); });

    // A node click is a click on a node, or a move of the selection with the keyboard.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            treePressed_ = false;
            TreeView1_NodeClick(current);
        }
    });
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        // A click on the node that was already selected still counts as a node click.
        if (treePressed_) {
            treePressed_ = false;
            TreeView1_NodeClick(node);
        }
    });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListView1_ItemClick(item); });
}

void Form1::setListBackground(const std::optional<QPixmap>& picture) {
    QPalette palette = list_->palette();
    palette.setBrush(QPalette::Base, picture ? QBrush(*picture) : QBrush(kWhite));
    list_->setPalette(palette);
}

QString Form1::nodeKey(const QTreeWidgetItem* node) {
    return node ? node->data(0, Qt::UserRole).toString() : QString();
}

QTreeWidgetItem* Form1::selectedNode() const {
    // The current node: a click makes a node current before it updates the selection.
    return tree_->currentItem();
}

QString Form1::selectedNodeText() const {
    QTreeWidgetItem* node = selectedNode();
    return node ? node->text(0) : QString();
}

} // namespace app
