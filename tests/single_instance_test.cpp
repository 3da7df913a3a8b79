// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/PrivateBus.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QString kId = QStringLiteral("org.mellovan.Vantory");

// A running Vantory as the bus sees it, recording what a later start hands it.
class RecordingApplication : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
  public:
    QList<QVariantMap> activations;
  public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData) {
        activations.append(platformData);
    }
};

// Sets an environment variable for one test and puts the old state back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// What a caller on the bus gets back from one call, waited for with the event loop running so
// that an answer from this same process can come.
QDBusMessage callAndWait(QDBusConnection& bus, const QDBusMessage& call) {
    QDBusPendingCallWatcher answer(bus.asyncCall(call, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.isFinished(); }, 6000));
    return answer.reply();
}

class SingleInstanceTest : public ::testing::Test {
  protected:
    QString ownerOfName() { return observer.interface()->serviceOwner(kId).value(); }

    // The running program's window, down in the task bar while another window has the focus.
    void minimiseBehindAnother(Qt::WindowStates keep = Qt::WindowNoState) {
        window.show();
        window.setWindowState(keep | Qt::WindowMinimized);
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }));
        ASSERT_TRUE(window.isMinimized());
    }

    fakes::PrivateBus bus;
    QDBusConnection firstBus = bus.connect();
    QDBusConnection secondBus = bus.connect();
    QDBusConnection observer = bus.connect();
    QWidget window;
    QWidget other;
};

TEST_F(SingleInstanceTest, SecondStartBringsTheFirstForwardAndEnds) {
    ASSERT_TRUE(firstBus.isConnected() && secondBus.isConnected());
    platform::SingleInstance first(firstBus, kId);
    EXPECT_FALSE(first.handOverToRunning());
    EXPECT_EQ(ownerOfName(), firstBus.baseService());
    first.raiseOnActivate(&window);
    minimiseBehindAnother();

    platform::SingleInstance second(secondBus, kId);
    EXPECT_TRUE(second.handOverToRunning());

    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
    EXPECT_EQ(ownerOfName(), firstBus.baseService());
}

TEST_F(SingleInstanceTest, FindHandsItsTextToTheRunningOnesFinder) {
    platform::SingleInstance first(firstBus, kId);
    ASSERT_FALSE(first.handOverToRunning());
    first.raiseOnActivate(&window);
    QStringList asked;
    first.onFind([&](const QString& text) { asked << text; });
    minimiseBehindAnother();

    platform::SingleInstance second(secondBus, kId);
    EXPECT_TRUE(second.handOverToRunning(QStringLiteral("calc")));
    EXPECT_FALSE(window.isMinimized());

    // The desktop's menu action carries no text.
    QDBusMessage action = QDBusMessage::createMethodCall(
        kId, "/org/mellovan/Vantory", "org.freedesktop.Application", "ActivateAction");
    action << QStringLiteral("find") << QVariantList() << QVariantMap();
    EXPECT_EQ(callAndWait(observer, action).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(asked, (QStringList{"calc", ""}));

    // Asked while a question is open, the finder waits until the question has been answered:
    // nothing opens over it.
    QDialog question(&window);
    question.setModal(true);
    question.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &question);
    EXPECT_EQ(callAndWait(observer, action).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(second.handOverToRunning(QStringLiteral("late")));
    QTest::qWait(300);
    EXPECT_EQ(asked, (QStringList{"calc", ""})) << "nothing came while the question was open";
    question.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.size() == 4; }));
    EXPECT_EQ(asked, (QStringList{"calc", "", "", "late"}));
}

// Where the desktop gives the focus only with a token (Wayland), a call without one makes the
// window ask for attention rather than take the focus; with one, or elsewhere, it comes forward.
TEST_F(SingleInstanceTest, ComesForwardWithATokenAndOtherwiseAsksForAttentionWhereOneIsNeeded) {
    struct Row {
        bool needsToken;
        const char* token;
        bool takesFocus;
    };
    for (const Row& row :
         {Row{false, "", true}, Row{true, "token-1", true}, Row{true, "", false}}) {
        QList<QWidget*> alerted;
        platform::SingleInstance first(firstBus, kId,
                                       {row.needsToken, [&](QWidget* w) { alerted << w; }});
        ASSERT_FALSE(first.handOverToRunning());
        first.raiseOnActivate(&window);
        minimiseBehindAnother();
        QVariantMap data;
        if (*row.token) {
            data.insert("activation-token", row.token);
        }
        QDBusMessage activate = QDBusMessage::createMethodCall(
            kId, "/org/mellovan/Vantory", "org.freedesktop.Application", "Activate");
        activate << data;
        EXPECT_EQ(callAndWait(observer, activate).type(), QDBusMessage::ReplyMessage);
        EXPECT_FALSE(window.isMinimized()) << row.token;
        if (row.takesFocus) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); })) << row.token;
        } else {
            QCoreApplication::processEvents();
            EXPECT_TRUE(other.isActiveWindow()) << row.token;
        }
        EXPECT_EQ(alerted, row.takesFocus ? QList<QWidget*>{} : QList<QWidget*>{&window})
            << row.token;
        EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
    }
}

// A folder chosen with --sync-folder, or --sync-now, reaches the running window, which stays
// where it is; nobody running, or an action it does not take, is said so to the caller.
TEST_F(SingleInstanceTest, QuietActionsReachTheRunningWindowWithoutBringingItForward) {
    platform::SingleInstance later(secondBus, kId, platform::ComingForward{});
    EXPECT_FALSE(later.tellRunning("keep-in-step", "/nobody/runs")) << "no Vantory runs yet";

    platform::SingleInstance first(firstBus, kId);
    ASSERT_FALSE(first.handOverToRunning());
    first.raiseOnActivate(&window);
    QStringList folders;
    first.onQuietAction("keep-in-step", [&](const QString& folder) { folders << folder; });
    minimiseBehindAnother();

    EXPECT_TRUE(later.tellRunning("keep-in-step", "/home/ann/Sync"));
    EXPECT_TRUE(later.tellRunning("keep-in-step", ""));
    EXPECT_FALSE(later.tellRunning("format-disk", "/"));
    EXPECT_EQ(folders, (QStringList{"/home/ann/Sync", ""}));
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(other.isActiveWindow());
}

TEST_F(SingleInstanceTest, AMaximisedWindowComesBackMaximised) {
    platform::SingleInstance first(firstBus, kId);
    ASSERT_FALSE(first.handOverToRunning());
    first.raiseOnActivate(&window);
    minimiseBehindAnother(Qt::WindowMaximized);

    platform::SingleInstance second(secondBus, kId);
    EXPECT_TRUE(second.handOverToRunning());
    EXPECT_EQ(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized),
              Qt::WindowMaximized);
}

TEST_F(SingleInstanceTest, AStartWhileTheFirstIsStillStartingEndsToo) {
    // The first has its name but no window yet: the window shows by itself moments later.
    platform::SingleInstance first(firstBus, kId);
    ASSERT_FALSE(first.handOverToRunning());
    platform::SingleInstance second(secondBus, kId);
    EXPECT_TRUE(second.handOverToRunning());
    EXPECT_EQ(ownerOfName(), firstBus.baseService());
}

TEST_F(SingleInstanceTest, OnceTheFirstHasEndedTheNextStartRunsAndOwnsTheName) {
    {
        platform::SingleInstance first(firstBus, kId);
        ASSERT_FALSE(first.handOverToRunning());
    }
    platform::SingleInstance next(secondBus, kId);
    EXPECT_FALSE(next.handOverToRunning());
    EXPECT_EQ(ownerOfName(), secondBus.baseService());
}

TEST_F(SingleInstanceTest, HandsTheDesktopsStartTokensToTheRunningOne) {
    RecordingApplication running;
    ASSERT_TRUE(firstBus.registerObject(platform::SingleInstance::objectPath(kId), &running,
                                        QDBusConnection::ExportScriptableSlots));
    ASSERT_TRUE(firstBus.registerService(kId));
    const ScopedVariable token("XDG_ACTIVATION_TOKEN", "token-42");
    const ScopedVariable startup("DESKTOP_STARTUP_ID", "startup-7");

    platform::SingleInstance second(secondBus, kId);
    EXPECT_TRUE(second.handOverToRunning());
    ASSERT_EQ(running.activations.size(), 1);
    EXPECT_EQ(running.activations[0].value("activation-token").toString(), "token-42");
    EXPECT_EQ(running.activations[0].value("desktop-startup-id").toString(), "startup-7");
}

TEST_F(SingleInstanceTest, AnOwnerThatCannotAnswerLeavesThisStartToRunByItself) {
    // Something holds the name but offers no application there: the catalogue lock decides.
    ASSERT_TRUE(firstBus.registerService(kId));
    platform::SingleInstance second(secondBus, kId);
    EXPECT_FALSE(second.handOverToRunning());
    EXPECT_EQ(ownerOfName(), firstBus.baseService());
}

TEST_F(SingleInstanceTest, WithoutASessionBusEveryStartRunsByItself) {
    QDBusConnection none =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), "no-bus");
    ASSERT_FALSE(none.isConnected());
    platform::SingleInstance alone(none, kId);
    EXPECT_FALSE(alone.handOverToRunning());
    QDBusConnection::disconnectFromBus("no-bus");
}

TEST_F(SingleInstanceTest, AnswersTheDesktopsApplicationCalls) {
    platform::SingleInstance first(firstBus, kId);
    ASSERT_FALSE(first.handOverToRunning());
    first.raiseOnActivate(&window);
    minimiseBehindAnother();
    const QString path = QStringLiteral("/org/mellovan/Vantory");
    const QString interface = QStringLiteral("org.freedesktop.Application");

    // A launcher hands files over with Open; Vantory opens none but comes forward.
    QDBusMessage open = QDBusMessage::createMethodCall(kId, path, interface, "Open");
    open << QStringList{"file:///tmp/x"} << QVariantMap();
    EXPECT_EQ(callAndWait(observer, open).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(window.isMinimized());

    // It has no actions, and says so.
    QDBusMessage action = QDBusMessage::createMethodCall(kId, path, interface, "ActivateAction");
    action << QStringLiteral("quit") << QVariantList() << QVariantMap();
    const QDBusMessage refused = callAndWait(observer, action);
    EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(refused.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
}

} // namespace

#include "single_instance_test.moc"
