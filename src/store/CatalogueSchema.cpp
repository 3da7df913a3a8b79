// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CatalogueSchema.h"

namespace store {

const char* catalogueSchemaSql() {
    // Made by the build from the same file the templates are made from.
    static const char* const kSql =
#include "store/SchemaText.inc"
        ;
    return kSql;
}

} // namespace store
