// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <stdexcept>

namespace fakes {

// A session bus of the test's own: a dbus-daemon started for it and ended with it, so tests
// never talk to the desktop's bus.
class PrivateBus {
  public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000)) {
            throw std::runtime_error("cannot start dbus-daemon (package dbus-daemon)");
        }
        while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        if (address_.isEmpty()) {
            throw std::runtime_error("dbus-daemon told no address");
        }
    }
    ~PrivateBus() {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // A new connection to this bus, as another process would have.
    QDBusConnection connect() {
        static int made = 0;
        const QString name = QStringLiteral("private-bus-%1").arg(++made);
        names_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

  private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

} // namespace fakes
