// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/KeyRepeat.h"
#include "common/CommandContext.h"
#include "common/Globals.h"
#include "common/MainWindow.h"
#include "platform/Services.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dragdrop {
class ListDragDrop;
}

namespace finder {
class Finder;
class FinderCatalogue;
} // namespace finder

namespace app {

// The main window's pointer: the default arrow, the hourglass of a running command, or the hand.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

// The main window: the category tree on the left, the shortcut list on the right, the
// description line below.
class Form1 : public QWidget, public common::MainWindow {
    Q_OBJECT

  public:
    Form1(platform::Services& services, common::Globals& globals, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: data folder, catalogue, window dress, category tree. False when the program
    // must end without showing its window: another running Vantory holds the catalogue.
    bool Form_Load();

    // Rebuilds the category tree from the catalogue. Errors pass to the caller.
    void loadGroups() override;
    // Refills the shortcut list for the selected category.
    void loadItems() override;
    // Scrolls the list so that the item at a 1-based index shows, then selects and focuses it.
    void ScrollToItem(int index) override;
    // Closes every window of the program.
    void CloseAllForms();
    // Backs the open catalogue up into the backups folder beside it, keeping the newest seven;
    // start-up runs it once the window shows. A failure is told, never fatal.
    void backUpCatalogue();

    // Opens the finder over the window with `text` typed in it.
    void openFinder(const QString& text);
    // The finder, none until it first opens; and its copy of the catalogue.
    finder::Finder* finder() const { return finder_; }
    finder::FinderCatalogue* finderCatalogue() const { return finderCatalogue_; }
    // Selects the category in the tree and the shortcut in the list; false when either is gone.
    bool showShortcut(const QString& category, const QString& caption);

    bool mNodeIsGroup = false;

    // The main window as the commands see it.
    QWidget* window() override { return this; }
    bool nodeIsGroup() const override { return mNodeIsGroup; }
    int nodeCount() const override;
    int selectedNodePosition() const override;
    QString nodeText(int position) const override;
    QString selectedCategory() const override { return selectedNodeText(); }
    void selectNode(int position) override;
    void nodeClick() override;
    int entryCount() const override;
    int selectedEntryPosition() const override;
    std::optional<QString> selectedCaption() const override;
    void setDescription(const QString& text) override;
    void clearList() override;
    void showBusyPointer(bool busy) override;

    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);

    // The controls, by their names.
    QTreeWidget* TreeView1() const { return tree_; }
    QListWidget* ListView1() const { return list_; }
    QLabel* Label1() const { return label_; }
    QPushButton* PushButton(int number) const { return buttons_.at(number - 1); }
    // Files dropped onto the list and entries dragged within it.
    dragdrop::ListDragDrop* listDragDrop() const { return listDragDrop_; }

    // The tree's node click and the list's item click.
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void ListView1_ItemClick(QListWidgetItem* item);

    // The command buttons.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void PushButton8_Click();
    // Adding and editing shortcuts.
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton9_Click();

    static constexpr const char* kRootKey = "Root";
    // Each shortcut remembers the number of its picture.
    static constexpr int kImageRole = Qt::UserRole + 1;
    static QString nodeKey(const QTreeWidgetItem* node);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Fills the emptied list with entries of a caption, a picture number and a colour.
    template <class Entries> void fillList(const Entries& entries);
    void buildControls();
    void centreOnScreen();
    // True from start-up until the backup has run: once the window has painted and the
    // catalogue's pages have been checked.
    bool backupDue_ = false;
    bool painted_ = false;
    // Once the window has painted: starts the check of the catalogue's pages beside it.
    void afterFirstPaint();
    // Runs on the window's thread once the catalogue's background page check has ended: takes
    // its result, shows a damaged catalogue again read-only and says so, and lets the backup run.
    void takePageCheck();
    // Runs the start-up backup, once the window has painted, when the page check is no longer
    // outstanding.
    void backUpWhenDue();
    // Rebuilds the tree and shows the root, as start-up does.
    void showCatalogueFromTheRoot();
    void connectControls();
    void connectDragDrop();
    void Form_QueryUnload();
    // Tells the user that the catalogue is damaged and open read-only, and offers to restore the
    // newest sound backup.
    void tellDamagedCatalogue();
    // Closes the catalogue, puts the backup in its place (store::restoreBackup), opens it again
    // and shows it; tells how it went.
    void restoreFromBackup(const std::filesystem::path& backup);
    // Once the window shows, after the start-up backup: renames alike or unreadable names so
    // that nothing is mixed or lost (store::repairNames), and tells what was renamed.
    void repairNamesAtOpen();
    bool handleKey(QObject* watched, QKeyEvent* key);
    // Ctrl+F, or text typed in the tree or the list, opens the finder.
    bool handleFinderKey(QObject* watched, QKeyEvent* key);
    // Shows, and when asked launches, the shortcut chosen in the finder.
    void takeFinderChoice(std::size_t shortcut, bool launch);
    // Shows the entry's description in the description line, under the trap at `location`.
    void showEntryDescription(QListWidgetItem* item, const QString& location);
    void handleHover(QObject* watched);
    void setListBackground(const std::optional<QPixmap>& picture);
    // Fills the window, its frames, the description line and the list as the desktop's colour
    // scheme asks.
    void applyColourScheme();
    QString selectedNodeText() const;
    QTreeWidgetItem* selectedNode() const;

    QTreeWidgetItem* nodeAt(int position) const;

    platform::Services& services_;
    common::Globals& globals_;
    common::CommandContext commands_{services_, globals_, *this};

    QTreeWidget* tree_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* label_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    std::array<QPushButton*, 9> buttons_{};
    dragdrop::ListDragDrop* listDragDrop_ = nullptr;

    KeyRepeat keyRepeat_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> customCursor_;
    // The list's background picture, kept for a change of colour scheme.
    std::optional<QPixmap> listPicture_;
    bool centred_ = false;
    finder::Finder* finder_ = nullptr;
    finder::FinderCatalogue* finderCatalogue_ = nullptr;
    QPointer<QWidget> focusBeforeFinder_;
};

} // namespace app
