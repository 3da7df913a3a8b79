// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GlobalShortcutPortal.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QLoggingCategory>
#include <utility>

namespace platform::portal {

// One shortcut as the portal takes it: its id and its properties, a (sa{sv}).
struct Shortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace platform::portal

Q_DECLARE_METATYPE(platform::portal::Shortcut)

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcPortal, "vantory.portal", QtWarningMsg)

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kRegistry = QStringLiteral("org.freedesktop.host.portal.Registry");

// A Flatpak or Snap sandbox tells the portal who is asking; outside one the application says so.
bool sandboxed() {
    return QFile::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP");
}

// A value the portal may send as an object path or as a string.
QString pathText(const QVariant& value) {
    return value.canConvert<QDBusObjectPath>() ? value.value<QDBusObjectPath>().path()
                                               : value.toString();
}

} // namespace

GlobalShortcutPortal::GlobalShortcutPortal(QDBusConnection bus, QString applicationId,
                                           QString description)
    : bus_(std::move(bus)), applicationId_(std::move(applicationId)),
      description_(std::move(description)) {
    qDBusRegisterMetaType<portal::Shortcut>();
    qDBusRegisterMetaType<QList<portal::Shortcut>>();
}

void GlobalShortcutPortal::bind() {
    if (!bus_.isConnected()) {
        settle(State::Absent);
        return;
    }
    if (!sandboxed()) {
        // Only where the portal has the registry; its absence is no fault.
        QDBusMessage registration =
            QDBusMessage::createMethodCall(kService, kPath, kRegistry, QStringLiteral("Register"));
        registration << applicationId_ << QVariantMap();
        auto* registered = new QDBusPendingCallWatcher(bus_.asyncCall(registration), this);
        connect(registered, &QDBusPendingCallWatcher::finished, registered, &QObject::deleteLater);
    }
    // Calls from one connection arrive in order, so the question below follows the registration.
    QDBusMessage version = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version << kShortcuts << QStringLiteral("version");
    auto* answer = new QDBusPendingCallWatcher(bus_.asyncCall(version), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
        answer->deleteLater();
        if (answer->isError()) {
            qCInfo(lcPortal) << "the desktop portal offers no global shortcuts:"
                             << answer->error().message();
            settle(State::Absent);
            return;
        }
        bus_.connect(kService, kPath, kShortcuts, QStringLiteral("Activated"), this,
                     SLOT(takeActivation(QDBusMessage)));
        createSession();
    });
}

void GlobalShortcutPortal::createSession() {
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"), QStringLiteral("vantory"));
    request(QStringLiteral("CreateSession"), {}, options,
            [this](uint response, const QVariantMap& results) {
                session_ = pathText(results.value(QStringLiteral("session_handle")));
                if (response != 0 || session_.isEmpty()) {
                    settle(State::Refused);
                    return;
                }
                bindShortcut();
            });
}

void GlobalShortcutPortal::bindShortcut() {
    const portal::Shortcut find{
        QLatin1String(kShortcutId),
        {{QStringLiteral("description"), description_},
         {QStringLiteral("preferred_trigger"), QLatin1String(kPreferredTrigger)}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session_)),
             QVariant::fromValue(QList<portal::Shortcut>{find}), QString()},
            {}, [this](uint response, const QVariantMap&) {
                settle(response == 0 ? State::Bound : State::Refused);
            });
}

void GlobalShortcutPortal::request(const QString& method, const QList<QVariant>& arguments,
                                   QVariantMap options,
                                   std::function<void(uint, const QVariantMap&)> then) {
    // The answer comes as a signal of a request object whose path the caller can tell in
    // advance; listening first means no answer is missed.
    const QString token = QStringLiteral("vantory%1").arg(++tokens_);
    options.insert(QStringLiteral("handle_token"), token);
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    requestPath_ = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    then_ = std::move(then);
    bus_.connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                 SLOT(takeResponse(QDBusMessage)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcuts, method);
    QList<QVariant> all = arguments;
    all << options;
    call.setArguments(all);
    auto* answer = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer, method] {
        answer->deleteLater();
        if (answer->isError()) {
            qCInfo(lcPortal) << method << "failed:" << answer->error().message();
            settle(State::Refused);
            return;
        }
        // An older portal may answer on another path than the one foretold.
        const QString path = pathText(answer->reply().arguments().value(0));
        if (!path.isEmpty() && path != requestPath_) {
            bus_.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                            SLOT(takeResponse(QDBusMessage)));
            requestPath_ = path;
            bus_.connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                         SLOT(takeResponse(QDBusMessage)));
        }
    });
}

void GlobalShortcutPortal::takeResponse(const QDBusMessage& signal) {
    if (signal.path() != requestPath_ || !then_) {
        return;
    }
    bus_.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                    SLOT(takeResponse(QDBusMessage)));
    const QList<QVariant> arguments = signal.arguments();
    const uint response = arguments.value(0).toUInt();
    const QVariantMap results = qdbus_cast<QVariantMap>(arguments.value(1));
    std::exchange(then_, nullptr)(response, results);
}

void GlobalShortcutPortal::takeActivation(const QDBusMessage& signal) {
    const QList<QVariant> arguments = signal.arguments();
    if (pathText(arguments.value(0)) != session_ ||
        arguments.value(1).toString() != QLatin1String(kShortcutId)) {
        return;
    }
    const QVariantMap options = qdbus_cast<QVariantMap>(arguments.value(3));
    Q_EMIT activated(options.value(QStringLiteral("activation_token")).toString());
}

void GlobalShortcutPortal::settle(State state) {
    state_ = state;
    if (state != State::Bound) {
        bus_.disconnect(kService, kPath, kShortcuts, QStringLiteral("Activated"), this,
                        SLOT(takeActivation(QDBusMessage)));
    }
    Q_EMIT settled();
}

} // namespace platform
