#pragma once

#include "store/Connection.h"

#include <string>

namespace store {

// Files every shortcut of the group oldName under newName, so that a renamed category keeps its
// shortcuts. Run it with the group's own update, in one transaction.
void renameItemsGroup(Connection& db, const std::string& oldName, const std::string& newName);

} // namespace store
