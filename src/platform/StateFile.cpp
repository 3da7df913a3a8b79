// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StateFile.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcState, "vantory.state", QtWarningMsg)

QString errnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t put =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno != EINTR) {
            return false;
        }
        done += put > 0 ? put : 0;
    }
    return ::fsync(fd) == 0;
}

} // namespace

StateRead readStateFile(const QString& path, qint64 maxSize, QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    // Without waiting (a named pipe opens at once) and never through a link.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT  ? StateRead::Missing
               : errno == ELOOP ? StateRead::NotRegular
                                : StateRead::Failed;
    }
    struct stat info {};
    StateRead result = StateRead::Read;
    if (::fstat(fd, &info) != 0) {
        result = StateRead::Failed;
    } else if (!S_ISREG(info.st_mode)) {
        result = StateRead::NotRegular;
    } else if (info.st_size > maxSize) {
        result = StateRead::TooLarge;
    } else {
        bytes.resize(static_cast<qsizetype>(info.st_size));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n =
                ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += n;
        }
        bytes.truncate(got);
    }
    ::close(fd);
    return result;
}

bool writeStateFile(const QString& path, const QByteArray& bytes, QString& why) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        why = S_ISLNK(info.st_mode) ? QStringLiteral("it is a symbolic link")
                                    : QStringLiteral("it is not a regular file");
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        why = QStringLiteral("its folder cannot be made");
        return false;
    }
    QByteArray temporary = name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        why = errnoText();
        return false;
    }
    // rename() replaces whatever name is there and never writes through it.
    const bool written = writeAll(fd, bytes);
    why = written ? QString() : errnoText();
    ::close(fd);
    if (written && ::rename(temporary.constData(), name.constData()) != 0) {
        why = errnoText();
    }
    if (!why.isEmpty()) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

void warnOnceAbout(const QString& path, const QString& why) {
    static QMutex mutex;
    static QSet<QString> told;
    const QMutexLocker locker(&mutex);
    if (!told.contains(path)) {
        told.insert(path);
        qCWarning(lcState).noquote() << "Vantory leaves" << path << "alone:" << why;
    }
}

void tellAboutLinkOnce(MessageBoxes* messages, const QString& path) {
    struct stat info {};
    if (messages == nullptr || ::lstat(QFile::encodeName(path).constData(), &info) != 0 ||
        !S_ISLNK(info.st_mode)) {
        return;
    }
    static QSet<QString> told; // the window's thread alone tells
    if (told.contains(path)) {
        return;
    }
    told.insert(path);
    messages->show(nullptr,
                   QCoreApplication::translate(
                       "Vantory", "\"%1\" is a symbolic link. Vantory does not write through "
                                  "links, so it leaves the file alone and keeps what belongs "
                                  "there only until it closes.")
                       .arg(path),
                   QStringLiteral("Vantory"), MessageButtons::Ok, MessageIcon::Exclamation);
}

void setStateFileAside(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QByteArray aside = name + ".too-large";
    ::rename(name.constData(), aside.constData());
}

} // namespace platform
