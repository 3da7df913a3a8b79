// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// A file-open filter as this desktop's file dialog takes it.
struct DesktopFileFilter {
    QString nameFilters;          // ";;"-separated "Description (*.a *.b)" entries
    bool executablesOnly = false; // show only files the user may execute
    bool operator==(const DesktopFileFilter&) const = default;
};

// Turns a "description|patterns|description|patterns|" filter into the file dialog's form.
// Patterns that mean nothing on this desktop are widened here: "*.exe" becomes every
// executable file, "*.lnk" also takes desktop entries, and picture patterns take every picture
// format this desktop reads.
DesktopFileFilter toDesktopFileFilter(const QString& filter);

} // namespace platform
