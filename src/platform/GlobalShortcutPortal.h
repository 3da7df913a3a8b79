// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

namespace platform {

// The finder's key for the whole desktop, where the desktop offers one through the XDG desktop
// portal's GlobalShortcuts: a session is made, the shortcut "find" bound to it, and each press
// of its key reported. Where the portal lacks it (Debian 12's does) nothing happens and the
// desktop's own key binding of `vantory --find` serves instead.
class GlobalShortcutPortal : public QObject {
    Q_OBJECT

  public:
    enum class State { Asking, Bound, Absent, Refused };

    // description: what the desktop's settings call the shortcut.
    GlobalShortcutPortal(QDBusConnection bus, QString applicationId, QString description);

    // Asks the portal for the shortcut; the answer comes later. Outside a sandbox the portal
    // learns the application's id first, where it asks for it.
    void bind();
    State state() const { return state_; }

    // The shortcut "find" and the key the user is offered first.
    static constexpr const char* kShortcutId = "find";
    static constexpr const char* kPreferredTrigger = "LOGO+f";

  Q_SIGNALS:
    // The shortcut's key was pressed; the desktop may hand on a token to take the focus with.
    void activated(const QString& activationToken);
    // bind() has its answer: state() says which.
    void settled();

  private Q_SLOTS:
    void takeActivation(const QDBusMessage& signal);
    void takeResponse(const QDBusMessage& signal);

  private:
    void createSession();
    void bindShortcut();
    // Calls a portal method that answers through a request object: the answer reaches `then`.
    void request(const QString& method, const QList<QVariant>& arguments, QVariantMap options,
                 std::function<void(uint, const QVariantMap&)> then);
    void settle(State state);

    QDBusConnection bus_;
    QString applicationId_;
    QString description_;
    State state_ = State::Asking;
    QString session_;
    int tokens_ = 0;
    // The request waited for, and what its answer does.
    QString requestPath_;
    std::function<void(uint, const QVariantMap&)> then_;
};

} // namespace platform
