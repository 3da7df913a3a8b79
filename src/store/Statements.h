// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/ResultSet.h"
#include "store/Rows.h"

#include <cstdint>
#include <string>

// Every statement the program issues, one function each. Values are bound as parameters, so any
// text is stored exactly as typed.
namespace store {

// R1: all groups, sorted by name.
ResultSet selectAllGroups(Connection& db);
// R1 for the category tree: each group's name and colour alone, sorted by name.
ResultSet selectGroupNamesAndColours(Connection& db);
// R2: the shortcuts of one group, sorted by caption.
ResultSet selectItemsOfGroup(Connection& db, const std::string& group);
// R2 for the shortcut list: each shortcut's caption, kind, colour and path alone, sorted by
// caption.
ResultSet selectItemListOfGroup(Connection& db, const std::string& group);
// Every shortcut's group, caption and target, in no order: what the catalogue already holds.
ResultSet selectItemPlaces(Connection& db);
// R3: one group by name.
ResultSet selectGroup(Connection& db, const std::string& group);
// R4: shortcuts by caption, in any group.
ResultSet selectItemsByCaption(Connection& db, const std::string& caption);
// R5: one shortcut by caption within a group.
ResultSet selectItemInGroup(Connection& db, const std::string& caption, const std::string& group);

// W1: add a group; returns the new row's rowid.
std::int64_t insertGroup(Connection& db, const GroupRow& row);
// W2: change the group named oldName.
void updateGroup(Connection& db, const std::string& oldName, const GroupRow& row);
// Moves every shortcut of the group oldName to newName: run with W2 in one Transaction when a
// group is renamed, so its shortcuts stay with it.
void moveItemsToGroup(Connection& db, const std::string& oldName, const std::string& newName);
// W3: remove a group's row.
void deleteGroup(Connection& db, const std::string& group);
// W4: remove every shortcut of a group.
void deleteItemsOfGroup(Connection& db, const std::string& group);
// W5: add a shortcut from the shortcut editor; returns the new row's rowid.
std::int64_t insertItem(Connection& db, const ItemRow& row);
// W6: add a shortcut-file shortcut (kind 5, parameters " ", window state 0).
void insertShortcutFileItem(Connection& db, const std::string& group, const std::string& caption,
                            const std::string& description, const std::string& path,
                            std::int32_t colour);
// W7: add a dropped file or folder (description and parameters " ", colour 0, window state 0).
void insertDroppedItem(Connection& db, const std::string& group, const std::string& caption,
                       const std::string& path, std::int16_t kind);
// W8: change the shortcut oldCaption of row.groupcaption.
void updateItem(Connection& db, const std::string& oldCaption, const ItemRow& row);
// W9: change a shortcut-file shortcut (kind 5, parameters " ", window state 0).
void updateShortcutFileItem(Connection& db, const std::string& oldCaption, const std::string& group,
                            const std::string& newCaption, const std::string& description,
                            const std::string& path, std::int32_t colour);
// W10: remove one shortcut.
void deleteItem(Connection& db, const std::string& group, const std::string& caption);

// Whole rows of the current result row, for the editors.
GroupRow readGroupRow(const ResultSet& rs);
ItemRow readItemRow(const ResultSet& rs);

// Changes to one row by its rowid, as a merge with other computers makes them: run them
// inside one Transaction. W1 and W5 add rows.
void updateGroupAt(Connection& db, std::int64_t rowid, const GroupRow& row);
void deleteGroupAt(Connection& db, std::int64_t rowid);
void updateItemAt(Connection& db, std::int64_t rowid, const ItemRow& row);
void deleteItemAt(Connection& db, std::int64_t rowid);

} // namespace store
