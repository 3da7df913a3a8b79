// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace store {

// Copies the catalogue and its write-ahead log, byte for byte, into `folder` (made when
// missing) as `name` + `extension`, or, when a file of that name is there already,
// `name`-2 + `extension` and so on: every copy is created exclusively, so that nothing in the
// folder is ever overwritten, and the log goes beside the copy with "-wal" added. Returns the
// copy's path; throws StoreError, leaving no partial copy, when the copy cannot be made.
std::filesystem::path keepCopy(const std::filesystem::path& catalogue,
                               const std::filesystem::path& folder, const std::string& name,
                               const std::string& extension);

// Puts a copy made by keepCopy back in the catalogue's place, its log included, with no
// connection open on the catalogue; "" when done, else what went wrong.
std::string putCopyBack(const std::filesystem::path& copy, const std::filesystem::path& catalogue);

} // namespace store
