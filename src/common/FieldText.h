#pragma once

#include "store/ResultSet.h"

#include <QString>

namespace common {

// A text column of the current row, as the windows show it.
inline QString fieldText(const store::ResultSet& rs, const char* column) {
    return QString::fromStdString(rs.field(column).text());
}

} // namespace common
