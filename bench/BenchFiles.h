// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the store benchmarks share: the blank catalogue they copy, and a folder of their own.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace benchfiles {

// The blank catalogue named on the command line, else the one beside the program; reports and
// gives nothing when it is missing.
inline std::optional<std::filesystem::path> blankCatalogue(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path blank = argc > 1
                               ? fs::path(argv[1])
                               : fs::read_symlink("/proc/self/exe").parent_path() / "dbBlank.mdb";
    if (!fs::exists(blank)) {
        std::fprintf(stderr, "blank catalogue %s not found\n", blank.c_str());
        return std::nullopt;
    }
    return blank;
}

// A new folder in the temporary folder, named after `prefix`; reports and gives nothing when it
// cannot be made.
inline std::optional<std::filesystem::path> newFolder(const char* prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "_XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return std::nullopt;
    }
    return std::filesystem::path(pattern);
}

} // namespace benchfiles
