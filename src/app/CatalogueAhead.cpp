// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CatalogueAhead.h"

#include "app/DataFolder.h"
#include "store/Statements.h"

#include <exception>

namespace app {

CatalogueAhead readCatalogueAhead(platform::Services& services) {
    CatalogueAhead ahead;
    const QString catalogue = catalogueFile(services.environment);
    if (!Main::FileExists(services.files, catalogue) || !services.files.isNormalFile(catalogue)) {
        return ahead;
    }
    try {
        auto db = std::make_unique<store::Connection>();
        db->open(catalogue.toStdString(), startUpOpenOptions());
        ahead.connection = std::move(db);
        ahead.groups = store::selectGroupNamesAndColours(*ahead.connection);
    } catch (const std::exception&) {
        // The window's start-up meets the same again and tells it; an open connection is kept.
    }
    return ahead;
}

} // namespace app
