// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CatalogueAhead.h"
#include "app/KeyRepeat.h"
#include "app/ShortcutList.h"
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
#include <thread>

class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QContextMenuEvent;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace store {
struct NameRepairPlan;
}

namespace dragdrop {
class ListDragDrop;
}
namespace platform {
class SyncFiles;
}
namespace vsync {
class SyncKeeper;
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

    // Decodes the pictures the window draws first (its icon at each size the window system is
    // offered, the root's and the categories' nodes), so that start-up can do it before the
    // window exists, at the application's pixel ratio.
    static void readyFirstPictures();

    // What start-up opened and read before the window was built, for Form_Load to take.
    void startFrom(CatalogueAhead ahead) { ahead_ = std::move(ahead); }
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

    // Keeps the catalogue in step with other computers through the folder chosen in `files`:
    // merges once start-up has backed the catalogue up, after the program's changes, when the
    // folder changes and at close.
    void keepInStepThrough(platform::SyncFiles& files);
    vsync::SyncKeeper* syncKeeper() const { return keeper_; }
    // From now on keeps in step through `folder` ("" stops), as the root's menu does.
    void keepInStepWith(const QString& folder);
    // The category tree's root's context menu (right click, or the Menu key on the root).
    void fillRootMenu(QMenu& menu);

    // Opens the finder over the window with `text` typed in it.
    void openFinder(const QString& text);
    // Reads the finder's copy of the catalogue beside the window, so that the finder's first
    // search finds it ready: start-up asks once the window is idle.
    void prepareFinderCatalogue();
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
    // Each shortcut remembers the number of its picture, and its caption colour as stored.
    static constexpr int kImageRole = ShortcutEntry::kImageRole;
    static constexpr int kStoredColourRole = ShortcutEntry::kStoredColourRole;
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
    // Marks the icons of entries whose file or folder is not there.
    template <class Entries> void markMissingTargets(Entries& entries);
    void buildControls();
    void centreOnScreen();
    // True from start-up until the backup has run: once the window has painted and the
    // catalogue's pages have been checked.
    bool backupDue_ = false;
    // Reads every name beside the window at start-up (repairNamesAtOpen).
    std::thread nameCheck_;
    CatalogueAhead ahead_;
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
    // When the catalogue at `catalogue` could not be opened at all (not held by another
    // Vantory), offers the newest sound backup or copy kept before a restore, if there is one.
    void offerRestoreOfUnreadableCatalogue(const QString& catalogue);
    // Closes the catalogue, puts the backup in its place (store::restoreBackup), opens it again
    // and shows it; tells how it went.
    void restoreFromBackup(const std::filesystem::path& backup);
    // `catalogue` by value: closing the connection clears the path it holds.
    void restoreFromBackup(const std::filesystem::path& backup, std::string catalogue);
    // Once the window shows, after the start-up backup: renames alike or unreadable names so
    // that nothing is mixed or lost (store::repairNames), and tells what was renamed.
    void repairNamesAtOpen();
    // With the plan read beside the window (or why it could not be): renames, when the catalogue
    // is as it was when the plan was read at `stamp`, and tells what was renamed.
    void repairNames(const store::NameRepairPlan& plan, const QString& planFailure,
                     std::pair<const void*, std::int64_t> stamp);
    bool handleKey(QObject* watched, QKeyEvent* key);
    // Ctrl+F, or text typed in the tree or the list, opens the finder.
    bool handleFinderKey(QObject* watched, QKeyEvent* key);
    finder::FinderCatalogue& finderCatalogueMade();
    // The finder's copy is ready, or could not be read (`failure`).
    void takeFinderCatalogue(const QString& failure);
    // Shows, and when asked launches, the shortcut chosen in the finder.
    void takeFinderChoice(std::size_t shortcut, bool launch);
    // Shows the entry's description in the description line, under the trap at `location`.
    void showEntryDescription(QListWidgetItem* item, const QString& location);
    void handleHover(QObject* watched);
    // A context menu asked for in the tree (a right click, or the Menu key): the root's menu
    // opens over the root. False when the event asked for no menu of the tree's.
    bool showTreeMenu(QObject* watched, const QContextMenuEvent& event);
    // The root menu's commands for keeping the catalogue in step with other computers.
    void fillSyncMenu(QMenu& menu);
    void setListBackground(const std::optional<QPixmap>& picture);
    // Fills the window, its frames, the description line and the list as the desktop's colour
    // scheme asks.
    void applyColourScheme();
    QString selectedNodeText() const;
    QTreeWidgetItem* selectedNode() const;

    QTreeWidgetItem* nodeAt(int position) const;
    // The root's hover text: how the catalogue is kept in step; "" when it is not.
    QString rootHover() const;
    // The program may have changed the catalogue: a merge follows shortly when it did.
    void noteSyncChange();

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
    vsync::SyncKeeper* keeper_ = nullptr;
};

} // namespace app
