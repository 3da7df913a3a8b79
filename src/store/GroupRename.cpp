#include "store/GroupRename.h"

namespace store {

void renameItemsGroup(Connection& db, const std::string& oldName, const std::string& newName) {
    db.execute("update tblItems set groupcaption=? where groupcaption=?",
               {Value(newName), Value(oldName)});
}

} // namespace store
