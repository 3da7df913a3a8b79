// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/Rows.h"
#include "store/Statements.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace fakes {

// A fresh, empty catalogue in a temporary folder, made from the blank template.
class TempCatalogue {
  public:
    TempCatalogue() {
        const QString blank = QStringLiteral(VANTORY_BUILD_DIR "/dbBlank.mdb");
        if (!QFile::copy(blank, path())) {
            throw std::runtime_error("cannot copy the blank catalogue template");
        }
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString folder() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("dbData.mdb")); }

    // An open connection on the catalogue.
    std::unique_ptr<store::Connection> open() const {
        auto connection = std::make_unique<store::Connection>();
        connection->open(path().toStdString());
        return connection;
    }

  private:
    QTemporaryDir dir_;
};

inline store::GroupRow group(const std::string& name, const std::string& description = "",
                             std::int32_t colour = 0, const std::string& picture = "") {
    return store::GroupRow{name, description, picture, colour};
}

inline store::ItemRow item(const std::string& group, const std::string& caption, std::int16_t kind,
                           const std::string& path, const std::string& parameters = "",
                           std::int16_t openas = 0, std::int32_t colour = 0,
                           const std::string& description = "") {
    return store::ItemRow{group, caption, description, path, parameters, kind, colour, openas};
}

} // namespace fakes
