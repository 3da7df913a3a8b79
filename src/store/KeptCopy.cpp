// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/KeptCopy.h"

#include "store/FileCopy.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {

namespace {

// Enough for every restore a person could run; past it something is wrong with the folder.
constexpr int kMostCopiesOfOneName = 1000;

bool holdsBytes(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && fs::file_size(path, error) > 0 && !error;
}

int createExclusively(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

std::string copyInto(const fs::path& from, int to) {
    std::string why;
    const int in = openRegularFile(from, why);
    if (in < 0) {
        return why;
    }
    why = copyBytes(in, to);
    ::close(in);
    return why;
}

} // namespace

fs::path keepCopy(const fs::path& catalogue, const fs::path& folder, const std::string& name,
                  const std::string& extension) {
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    const fs::path log = catalogue.string() + "-wal";
    const bool withLog = holdsBytes(log);
    for (int n = 1; n <= kMostCopiesOfOneName; ++n) {
        const fs::path copy =
            folder / (name + (n == 1 ? std::string() : "-" + std::to_string(n)) + extension);
        const fs::path copyLog = copy.string() + "-wal";
        const int fd = createExclusively(copy);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        std::string why = fd < 0 ? std::strerror(errno) : std::string();
        int logFd = -1;
        if (why.empty() && withLog) {
            logFd = createExclusively(copyLog);
            if (logFd < 0 && errno == EEXIST) {
                // A stray log of that name would apply to the copy: take the next name.
                ::close(fd);
                fs::remove(copy, ignored);
                continue;
            }
            why = logFd < 0 ? std::strerror(errno) : std::string();
        }
        if (why.empty()) {
            why = copyInto(catalogue, fd);
        }
        if (why.empty() && withLog) {
            why = copyInto(log, logFd);
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (logFd >= 0) {
            ::close(logFd);
        }
        if (why.empty()) {
            return copy;
        }
        if (fd >= 0) {
            fs::remove(copy, ignored);
        }
        if (logFd >= 0) {
            fs::remove(copyLog, ignored);
        }
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue could not be kept as %1: %2. Nothing was "
                                          "restored."),
                    {copy.string(), why}});
    }
    throw StoreError(
        Message{STORE_TEXT("Vantory", "The catalogue could not be kept in %1: too many "
                                      "copies of the same name are there. Nothing was "
                                      "restored."),
                {folder.string()}});
}

std::string putCopyBack(const fs::path& copy, const fs::path& catalogue) {
    std::error_code ignored;
    std::string why = copyFile(copy, catalogue);
    const fs::path copyLog = copy.string() + "-wal";
    const fs::path log = catalogue.string() + "-wal";
    if (why.empty() && fs::exists(copyLog, ignored)) {
        why = copyFile(copyLog, log);
    } else if (why.empty()) {
        fs::remove(log, ignored);
    }
    fs::remove(catalogue.string() + "-shm", ignored);
    return why;
}

} // namespace store
