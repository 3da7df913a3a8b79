// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

class MessageBoxes;

// Vantory's own small files in its state folder (launch counts, trusted entries). They are read
// and written so that nothing outside can make the window wait or make Vantory write elsewhere:
// a read never waits on the file and takes only a regular file of at most a given size, and a
// write never goes through a symbolic link or into anything but a regular file.

enum class StateRead {
    Read,       // the bytes are in `bytes`
    Missing,    // no file yet
    TooLarge,   // a regular file above the size given: not one Vantory wrote
    NotRegular, // a symbolic link, a named pipe, a folder, a device ...
    Failed,     // it could not be read
};

StateRead readStateFile(const QString& path, qint64 maxSize, QByteArray& bytes);

// Writes `bytes` whole or not at all (a temporary file beside it, renamed into place). Refuses,
// returning false with `why` set, when something other than a regular file is at `path`.
bool writeStateFile(const QString& path, const QByteArray& bytes, QString& why);

// Tells on the log, once a session for each file, that `path` was left alone and why.
void warnOnceAbout(const QString& path, const QString& why);

// Tells the user through `messages`, once a session for each file, that a symbolic link stands
// at `path` and is left alone. Nothing when no link is there or `messages` is null.
void tellAboutLinkOnce(MessageBoxes* messages, const QString& path);

// Moves a file too large to be Vantory's aside (as path + ".too-large"), so that a fresh one can
// be started without losing it.
void setStateFileAside(const QString& path);

} // namespace platform
