// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/WaylandAttention.h"

#include <QApplication>
#include <QFileInfo>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QWidget>
#include <utility>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "vantory.instance", QtWarningMsg)

constexpr char kInterface[] = "org.freedesktop.Application";
// A running Vantory answers at once; one that does not answer within this time is treated as
// gone, and this start goes on by itself.
constexpr int kAnswerTimeoutMs = 5000;

// What the desktop handed this start so that the window it raises may take the focus.
QVariantMap platformDataOfThisStart() {
    QVariantMap data;
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty()) {
        data.insert(QStringLiteral("activation-token"), token);
    }
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (!startupId.isEmpty()) {
        data.insert(QStringLiteral("desktop-startup-id"), startupId);
    }
    return data;
}

// Qt reads the token from the environment when the window asks to be activated; it is gone
// again afterwards, so that no program started later inherits it.
void activateWithToken(QWidget* window, const QString& token) {
    if (!token.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
    window->activateWindow();
    if (!token.isEmpty()) {
        qunsetenv("XDG_ACTIVATION_TOKEN");
    }
}

} // namespace

ComingForward ComingForward::ofThisDesktop() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return {false, [](QWidget* window) { QApplication::alert(window); }};
    }
    // Qt 6.4 shows no alert under Wayland: the window asks to come forward with a token of its
    // own, tied to no input, which the desktop turns into a mark on the window (urgent,
    // demanding attention) instead of the focus.
    return {true, [](QWidget* window) {
                const QString token = attentionToken();
                if (token.isEmpty()) {
                    qCInfo(lcInstance) << "the compositor gave no token to ask for attention with";
                    return;
                }
                activateWithToken(window, token);
            }};
}

SingleInstance::SingleInstance(QDBusConnection bus, QString applicationId, ComingForward forward)
    : bus_(std::move(bus)), applicationId_(std::move(applicationId)),
      path_(objectPath(applicationId_)), forward_(std::move(forward)) {
    QObject::connect(&questionWatch_, &QTimer::timeout, this, [this] {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        questionWatch_.stop();
        for (const auto& request : std::exchange(waitingForQuestion_, {})) {
            request();
        }
    });
}

SingleInstance::~SingleInstance() {
    if (owner_ && bus_.interface() != nullptr) {
        bus_.interface()->unregisterService(applicationId_);
    }
    if (exported_) {
        bus_.unregisterObject(path_);
    }
}

QDBusConnection SingleInstance::runningSessionBus() {
    const bool announced = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool userBus = !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
    if (announced || userBus) {
        return QDBusConnection::sessionBus();
    }
    return QDBusConnection(QStringLiteral("vantory-without-a-session-bus"));
}

QString SingleInstance::objectPath(const QString& applicationId) {
    QString path = QLatin1Char('/') + applicationId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

bool SingleInstance::handOverToRunning(const std::optional<QString>& findText) {
    if (!bus_.isConnected() || bus_.interface() == nullptr) {
        qCInfo(lcInstance) << "no session bus; this start runs on its own";
        return false;
    }
    // The running one may end between our two questions; then the name is free the next time.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (claimName()) {
            qCInfo(lcInstance) << "this start owns" << applicationId_;
            return false;
        }
        switch (askRunning(findText)) {
        case Answer::CameForward:
            return true;
        case Answer::OwnerGone:
            continue;
        case Answer::NoAnswer:
            return false;
        }
    }
    return false;
}

bool SingleInstance::claimName() {
    // The object answers before the name is taken, so no caller finds the name without it.
    if (!exported_) {
        exported_ = bus_.registerObject(path_, this, QDBusConnection::ExportScriptableSlots);
    }
    if (!exported_) {
        qCWarning(lcInstance) << "cannot offer" << path_ << "on the session bus";
        return false;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus_.interface()->registerService(applicationId_,
                                          QDBusConnectionInterface::DontQueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    owner_ = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    return owner_;
}

SingleInstance::Answer SingleInstance::askRunning(const std::optional<QString>& findText) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        applicationId_, path_, QLatin1String(kInterface),
        findText ? QStringLiteral("ActivateAction") : QStringLiteral("Activate"));
    if (findText) {
        // An action's parameter is a list of at most one variant.
        call << QStringLiteral("find")
             << QVariantList{QVariant::fromValue(QDBusVariant(*findText))};
    }
    call << platformDataOfThisStart();
    return callRunning(call);
}

SingleInstance::Answer SingleInstance::callRunning(QDBusMessage call) {
    // Never let the bus start a Vantory of its own for this call.
    call.setAutoStartService(false);

    // The wait runs an event loop, so a running Vantory in this same process can still answer.
    QDBusPendingCallWatcher answer(bus_.asyncCall(call, kAnswerTimeoutMs));
    if (!answer.isFinished()) {
        QEventLoop wait;
        connect(&answer, &QDBusPendingCallWatcher::finished, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (answer.isError()) {
        qCInfo(lcInstance) << "the running Vantory did not answer:" << answer.error().message();
        // The bus says so when the name has lost its owner since we asked for it.
        return answer.error().type() == QDBusError::ServiceUnknown ? Answer::OwnerGone
                                                                   : Answer::NoAnswer;
    }
    qCInfo(lcInstance) << "handed over to the running Vantory";
    return Answer::CameForward;
}

bool SingleInstance::tellRunning(const QString& name, const QString& parameter) {
    if (!bus_.isConnected() || bus_.interface() == nullptr ||
        !bus_.interface()->isServiceRegistered(applicationId_).value()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        applicationId_, path_, QLatin1String(kInterface), QStringLiteral("ActivateAction"));
    call << name << QVariantList{QVariant::fromValue(QDBusVariant(parameter))} << QVariantMap();
    return callRunning(call) == Answer::CameForward;
}

void SingleInstance::onQuietAction(const QString& name,
                                   std::function<void(const QString&)> handler) {
    quietActions_.insert(name, std::move(handler));
}

void SingleInstance::raiseOnActivate(QWidget* window) {
    window_ = window;
}

void SingleInstance::Activate(const QVariantMap& platformData) {
    whenNoQuestionIsOpen([this, platformData] { bringWindowForward(platformData); });
}

void SingleInstance::bringWindowForward(const QVariantMap& platformData) {
    if (window_.isNull()) {
        // Still starting: the window shows by itself in a moment.
        qCInfo(lcInstance) << "asked to come forward before the main window exists";
        return;
    }
    bringForward(platformData.value(QStringLiteral("activation-token")).toString());
}

void SingleInstance::bringForward(const QString& activationToken) {
    QWidget* window = window_;
    // Back from the task bar, but a maximised window stays maximised.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    if (activationToken.isEmpty() && forward_.needsToken) {
        // Asking for the focus without the token only makes the desktop mark the window urgent
        // later; it asks for attention now instead.
        if (!window->isActiveWindow() && forward_.alert) {
            forward_.alert(window);
        }
        qCInfo(lcInstance) << "no activation token: the main window asks for attention";
        return;
    }
    // Wayland lets a window take the focus only with the token of the start that asked for it.
    window->raise();
    activateWithToken(window, activationToken);
    qCInfo(lcInstance) << "brought the main window to the front";
}

void SingleInstance::whenNoQuestionIsOpen(std::function<void()> request) {
    if (QApplication::activeModalWidget() == nullptr) {
        request();
        return;
    }
    qCInfo(lcInstance) << "waits until the open question has been answered";
    waitingForQuestion_.push_back(std::move(request));
    if (!questionWatch_.isActive()) {
        questionWatch_.start(100);
    }
}

void SingleInstance::Open(const QStringList& uris, const QVariantMap& platformData) {
    Q_UNUSED(uris);
    Activate(platformData);
}

void SingleInstance::onFind(std::function<void(const QString&)> openFinder) {
    openFinder_ = std::move(openFinder);
    if (openFinder_ && pendingFind_) {
        openFinder_(*std::exchange(pendingFind_, std::nullopt));
    }
}

void SingleInstance::openFinder(const QString& text) {
    if (openFinder_) {
        openFinder_(text);
    } else {
        pendingFind_ = text;
    }
    qCInfo(lcInstance) << "opened the finder for" << text;
}

void SingleInstance::ActivateAction(const QString& actionName, const QVariantList& parameter,
                                    const QVariantMap& platformData) {
    // The desktop's menu sends no parameter; `vantory --find TEXT` sends the text.
    QVariant text = parameter.value(0);
    if (text.canConvert<QDBusVariant>()) {
        text = text.value<QDBusVariant>().variant();
    }
    if (actionName == QLatin1String("find")) {
        find(text.toString(), platformData.value(QStringLiteral("activation-token")).toString());
        return;
    }
    if (const auto quiet = quietActions_.constFind(actionName); quiet != quietActions_.cend()) {
        whenNoQuestionIsOpen([handler = *quiet, text = text.toString()] { handler(text); });
        return;
    }
    if (calledFromDBus()) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("Vantory has no action named %1").arg(actionName));
    }
}

void SingleInstance::find(const QString& text, const QString& activationToken) {
    whenNoQuestionIsOpen([this, text, activationToken] {
        if (!window_.isNull()) {
            bringForward(activationToken);
        }
        openFinder(text);
    });
}

} // namespace platform
