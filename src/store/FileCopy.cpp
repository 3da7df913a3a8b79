// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileCopy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

int openRegularFile(const std::filesystem::path& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        why = "it is not a regular file";
        return -1;
    }
    return fd;
}

std::string copyBytes(int from, int to) {
    char buffer[1 << 16];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::strerror(errno);
        }
        if (got == 0) {
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno != EINTR) {
                return std::strerror(errno);
            }
            done += put > 0 ? put : 0;
        }
        offset += got;
    }
    return ::fsync(to) == 0 ? std::string() : std::strerror(errno);
}

std::string copyFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::string why;
    const int in = openRegularFile(from, why);
    if (in < 0) {
        return why;
    }
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    why = out < 0 ? std::strerror(errno) : copyBytes(in, out);
    ::close(in);
    if (out >= 0) {
        ::close(out);
    }
    return why;
}

} // namespace store
