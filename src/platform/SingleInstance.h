// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace platform {

// How the window comes forward when asked to.
struct ComingForward {
    // The desktop lets a window take the focus only with the token of the start that asked
    // (Wayland); without one it may only ask for attention.
    bool needsToken = false;
    // Shows that the window wants attention.
    std::function<void(QWidget*)> alert;
    // What this desktop asks for.
    static ComingForward ofThisDesktop();
};

// One running Vantory per desktop session. The first start owns the application's name on the
// session bus and answers the desktop's org.freedesktop.Application calls there; a later start
// asks it to come forward and ends. Without a session bus every start runs on its own, and the
// catalogue lock still refuses a second one.
class SingleInstance : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

  public:
    SingleInstance(QDBusConnection bus, QString applicationId,
                   ComingForward forward = ComingForward::ofThisDesktop());
    ~SingleInstance() override;

    // True when a running Vantory took the request to come forward (with its finder open and
    // `findText` typed, when given): this start should end. False when this start now owns the
    // name, or when there is no bus to ask.
    bool handOverToRunning(const std::optional<QString>& findText = std::nullopt);
    // The window that Activate brings to the front from now on.
    void raiseOnActivate(QWidget* window);
    // What the action "find" does once the window is forward, with the text asked for; a
    // request that came earlier is handed on now.
    void onFind(std::function<void(const QString&)> openFinder);

    // Brings the window forward and opens its finder with `text`, as the action "find" does:
    // for the desktop's global shortcut, with the token it handed on.
    void find(const QString& text, const QString& activationToken);

    // What the running window does, without coming forward, when a later start hands it the
    // action `name` with its one text parameter (a folder chosen with --sync-folder, ...).
    void onQuietAction(const QString& name, std::function<void(const QString&)> handler);
    // Hands `name` with `parameter` to the running Vantory, which stays where it is. False when
    // none runs, there is no bus, or it did not take the action.
    bool tellRunning(const QString& name, const QString& parameter);

    // The session bus when the desktop runs one; otherwise a connection that is not connected,
    // rather than letting the bus library start a bus daemon of its own for a launcher.
    static QDBusConnection runningSessionBus();

    // The object path of the application's interface, made from its id as the desktop expects.
    static QString objectPath(const QString& applicationId);

  public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    // Vantory opens no files: asked to, it only comes forward.
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& actionName, const QVariantList& parameter,
                                     const QVariantMap& platformData);

  private:
    enum class Answer { CameForward, OwnerGone, NoAnswer };
    bool claimName();
    Answer askRunning(const std::optional<QString>& findText);
    Answer callRunning(QDBusMessage call);
    // Runs `request` now, or, while a modal question is open, once it has been answered: what
    // the desktop asks never opens over a question, where a key meant for it would land
    // elsewhere.
    void whenNoQuestionIsOpen(std::function<void()> request);
    void bringWindowForward(const QVariantMap& platformData);
    void openFinder(const QString& text);
    void bringForward(const QString& activationToken);

    QDBusConnection bus_;
    QString applicationId_;
    QString path_;
    ComingForward forward_;
    bool exported_ = false;
    bool owner_ = false;
    QPointer<QWidget> window_;
    std::function<void(const QString&)> openFinder_;
    std::optional<QString> pendingFind_;
    QHash<QString, std::function<void(const QString&)>> quietActions_;
    std::vector<std::function<void()>> waitingForQuestion_;
    QTimer questionWatch_;
};

} // namespace platform
