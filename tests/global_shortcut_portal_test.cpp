// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/PrivateBus.h"
#include "platform/GlobalShortcutPortal.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The desktop portal as a test scripts it: with or without global shortcuts and the registry
// of application ids, answering requests the way the real one does, through request objects.
class FakePortal : public QDBusVirtualObject {
  public:
    FakePortal(QDBusConnection bus, bool offersShortcuts, bool hasRegistry)
        : bus_(std::move(bus)), offersShortcuts_(offersShortcuts), hasRegistry_(hasRegistry) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.interface() + QLatin1Char('.') + message.member();
        calls << message.member();
        const QList<QVariant> arguments = message.arguments();
        if (member == "org.freedesktop.DBus.Properties.Get" && offersShortcuts_ &&
            arguments.value(0) == kShortcuts && arguments.value(1) == "version") {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1U))));
        } else if (member == "org.freedesktop.host.portal.Registry.Register" && hasRegistry_) {
            registered << arguments.value(0).toString();
            connection.send(message.createReply());
        } else if (member == kShortcuts + ".CreateSession" && offersShortcuts_) {
            const QVariantMap options = qdbus_cast<QVariantMap>(arguments.value(0));
            session = kPath + "/session/" + sender(message) + "/" +
                      options.value("session_handle_token").toString();
            answer(message, connection, options, {{"session_handle", session}});
        } else if (member == kShortcuts + ".BindShortcuts" && offersShortcuts_) {
            boundSession = arguments.value(0).value<QDBusObjectPath>().path();
            const QDBusArgument list = arguments.value(1).value<QDBusArgument>();
            list.beginArray();
            while (!list.atEnd()) {
                QString id;
                QVariantMap properties;
                list.beginStructure();
                list >> id >> properties;
                list.endStructure();
                bound[id] = properties;
            }
            list.endArray();
            answer(message, connection, qdbus_cast<QVariantMap>(arguments.value(3)), {});
        } else {
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, member));
        }
        return true;
    }

    // The user pressed the shortcut's key.
    void press(const QString& shortcut, const QString& token) {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kShortcuts, "Activated");
        signal << QVariant::fromValue(QDBusObjectPath(session)) << shortcut << qulonglong(7)
               << QVariantMap{{"activation_token", token}};
        bus_.send(signal);
    }

    QStringList calls;
    QStringList registered;
    QString session;
    QString boundSession;
    QMap<QString, QVariantMap> bound;

  private:
    static QString sender(const QDBusMessage& message) {
        return message.service().mid(1).replace('.', '_');
    }
    // Replies with the request's path, then answers on it.
    void answer(const QDBusMessage& message, const QDBusConnection& connection,
                const QVariantMap& options, const QVariantMap& results) {
        const QString request =
            kPath + "/request/" + sender(message) + "/" + options.value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response =
            QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << 0U << results;
        bus_.send(response);
    }

    QDBusConnection bus_;
    bool offersShortcuts_;
    bool hasRegistry_;
};

struct PortalCase {
    const char* what;
    bool portalRuns;
    bool offersShortcuts;
    bool hasRegistry;
    platform::GlobalShortcutPortal::State expected;
};

TEST(GlobalShortcutPortal, BindsFindWhereThePortalOffersItAndFallsBackQuietlyElsewhere) {
    using State = platform::GlobalShortcutPortal::State;
    const PortalCase table[] = {
        {"KDE Plasma 6 or GNOME 48", true, true, true, State::Bound},
        {"a portal without the registry", true, true, false, State::Bound},
        {"Debian 12's portal", true, false, true, State::Absent},
        {"no portal at all", false, false, false, State::Absent},
    };
    for (const PortalCase& row : table) {
        fakes::PrivateBus bus;
        QDBusConnection portalBus = bus.connect();
        FakePortal fake(portalBus, row.offersShortcuts, row.hasRegistry);
        if (row.portalRuns) {
            ASSERT_TRUE(portalBus.registerVirtualObject(kPath, &fake));
            ASSERT_TRUE(portalBus.registerService(kService));
        }
        platform::GlobalShortcutPortal portal(bus.connect(), "org.mellovan.Vantory",
                                              "Find a Shortcut");
        QStringList tokens;
        QObject::connect(&portal, &platform::GlobalShortcutPortal::activated,
                         [&](const QString& token) { tokens << token; });
        portal.bind();
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.state() != State::Asking; }, 5000))
            << row.what;
        EXPECT_EQ(portal.state(), row.expected) << row.what;
        EXPECT_EQ(fake.registered, row.portalRuns && row.hasRegistry
                                       ? QStringList{"org.mellovan.Vantory"}
                                       : QStringList{})
            << row.what;
        if (row.expected != State::Bound) {
            EXPECT_FALSE(fake.calls.contains("CreateSession")) << row.what;
            continue;
        }
        EXPECT_EQ(fake.boundSession, fake.session) << row.what;
        ASSERT_EQ(fake.bound.keys(), QStringList{"find"}) << row.what;
        EXPECT_EQ(fake.bound["find"].value("description"), "Find a Shortcut");
        EXPECT_EQ(fake.bound["find"].value("preferred_trigger"), "LOGO+f");

        // Only the key of this shortcut opens the finder, with the token the desktop gave.
        fake.press("another", "token-1");
        fake.press("find", "token-2");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !tokens.isEmpty(); }, 5000)) << row.what;
        EXPECT_EQ(tokens, QStringList{"token-2"}) << row.what;
    }
}

} // namespace
