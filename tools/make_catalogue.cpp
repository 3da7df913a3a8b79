// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a catalogue template: make_catalogue OUT.mdb SQLFILE...
//
// OUT is a build output, so any old copy is removed first; the SQL files then run in order on a
// fresh SQLite database, which is left in the default rollback journal mode.

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool readFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    contents = buffer.str();
    return !in.bad();
}

void removeOutput(const std::filesystem::path& out) {
    std::error_code ignored;
    std::filesystem::remove(out, ignored);
    std::filesystem::remove(out.string() + "-journal", ignored);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_catalogue OUT.mdb SQLFILE...\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];

    std::error_code error;
    std::filesystem::remove(out, error);
    if (error) {
        std::cerr << "make_catalogue: cannot remove " << out.string() << ": " << error.message()
                  << "\n";
        return 1;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(out.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::cerr << "make_catalogue: cannot create " << out.string() << ": "
                  << (db ? sqlite3_errmsg(db) : "out of memory") << "\n";
        sqlite3_close(db);
        removeOutput(out);
        return 1;
    }

    for (int i = 2; i < argc; ++i) {
        std::string sql;
        if (!readFile(argv[i], sql)) {
            std::cerr << "make_catalogue: cannot read " << argv[i] << "\n";
            sqlite3_close(db);
            removeOutput(out);
            return 1;
        }
        char* message = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            std::cerr << "make_catalogue: " << argv[i] << ": "
                      << (message ? message : sqlite3_errmsg(db)) << "\n";
            sqlite3_free(message);
            sqlite3_close(db);
            removeOutput(out);
            return 1;
        }
    }

    if (sqlite3_close(db) != SQLITE_OK) {
        std::cerr << "make_catalogue: cannot finish " << out.string() << "\n";
        removeOutput(out);
        return 1;
    }
    return 0;
}
