// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaylandAttention.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QtEndian>

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// Five requests and three events over the desktop's socket: written out here rather than through
// libwayland-client, whose protocol code would have to be generated from the protocol's XML at
// build time (three more build packages) for this one short exchange, outside Qt's connection.
// The Wayland wire format: messages of 32-bit words, object id then size << 16 | opcode;
// strings are length-prefixed, nul-terminated and padded to a word.
class Wire {
  public:
    explicit Wire(int socket) : socket_(socket) {}

    void send(quint32 object, quint16 opcode, const QByteArray& arguments) {
        QByteArray message = word(object) + word(quint32(8 + arguments.size()) << 16 | opcode);
        message += arguments;
        ok_ = ok_ && ::send(socket_, message.constData(), size_t(message.size()), MSG_NOSIGNAL) ==
                         message.size();
    }
    static QByteArray word(quint32 value) {
        const quint32 little = qToLittleEndian(value);
        return QByteArray(reinterpret_cast<const char*>(&little), 4);
    }
    static QByteArray string(const QByteArray& text) {
        QByteArray padded = text + '\0';
        const auto length = quint32(padded.size());
        padded.append(QByteArray((4 - padded.size() % 4) % 4, '\0'));
        return word(length) + padded;
    }
    static quint32 wordAt(const QByteArray& data, qsizetype at) {
        return at + 4 <= data.size() ? qFromLittleEndian<quint32>(data.constData() + at) : 0;
    }
    static QByteArray stringAt(const QByteArray& data, qsizetype at) {
        const quint32 length = wordAt(data, at);
        return length == 0 ? QByteArray() : data.mid(at + 4, length - 1);
    }

    // The next event: its object, opcode and arguments; false when the compositor is gone or
    // says nothing before the deadline.
    bool next(const QDeadlineTimer& deadline, quint32& object, quint16& opcode,
              QByteArray& arguments) {
        while (ok_) {
            if (buffer_.size() >= 8) {
                const quint32 size = wordAt(buffer_, 4) >> 16;
                if (size >= 8 && buffer_.size() >= qsizetype(size)) {
                    object = wordAt(buffer_, 0);
                    opcode = quint16(wordAt(buffer_, 4) & 0xFFFF);
                    arguments = buffer_.mid(8, size - 8);
                    buffer_.remove(0, size);
                    return true;
                }
            }
            pollfd wait{socket_, POLLIN, 0};
            char chunk[4096];
            const auto got = ::poll(&wait, 1, int(deadline.remainingTime())) == 1
                                 ? ::recv(socket_, chunk, sizeof chunk, 0)
                                 : 0;
            ok_ = got > 0;
            buffer_.append(chunk, ok_ ? got : 0);
        }
        return false;
    }

  private:
    int socket_;
    bool ok_ = true;
    QByteArray buffer_;
};

// Object ids this client makes, in the order it makes them.
enum : quint32 { kDisplay = 1, kRegistry, kSync, kActivation, kToken };

QString requestToken(Wire& wire) {
    const QDeadlineTimer deadline(1000);
    wire.send(kDisplay, 1, Wire::word(kRegistry)); // get_registry
    wire.send(kDisplay, 0, Wire::word(kSync));     // sync: the globals come before its answer
    quint32 object = 0;
    quint16 opcode = 0;
    QByteArray arguments;
    bool bound = false;
    while (wire.next(deadline, object, opcode, arguments)) {
        if (object == kRegistry && opcode == 0 && !bound) { // global: name, interface, version
            const QByteArray interface = Wire::stringAt(arguments, 4);
            if (interface == "xdg_activation_v1") {
                wire.send(kRegistry, 0, // bind
                          Wire::word(Wire::wordAt(arguments, 0)) + Wire::string(interface) +
                              Wire::word(1) + Wire::word(kActivation));
                wire.send(kActivation, 1, Wire::word(kToken)); // get_activation_token
                wire.send(kToken, 3, {});                      // commit
                bound = true;
            }
        } else if (object == kSync && !bound) {
            return {};                                // the compositor has no activation
        } else if (object == kToken && opcode == 0) { // done: the token
            return QString::fromUtf8(Wire::stringAt(arguments, 0));
        } else if (object == kDisplay && opcode == 0) { // error
            return {};
        }
    }
    return {};
}

} // namespace

QString attentionToken() {
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (!QDir::isAbsolutePath(name)) {
        name = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    }
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path) {
        return {};
    }
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return {};
    }
    QString token;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        Wire wire(socket);
        token = requestToken(wire);
    }
    ::close(socket);
    return token;
}

} // namespace platform
