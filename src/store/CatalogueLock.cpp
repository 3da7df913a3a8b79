// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CatalogueLock.h"

#include "store/StoreError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace store {

int lockCatalogue(const std::string& path, bool create) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
    if (fd < 0) {
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue file %1 cannot be opened: %2."),
                    {path, std::strerror(errno)}});
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            throw CatalogueInUse(Message{
                STORE_TEXT("Vantory", "The catalogue %1 is in use by another running Vantory. "
                                      "Close the other Vantory and start this one again."),
                {path}});
        }
        throw StoreError(Message{STORE_TEXT("Vantory", "The catalogue %1 cannot be locked: %2."),
                                 {path, std::strerror(error)}});
    }
    return fd;
}

} // namespace store
