// Runs on a private session bus (the test registration wraps it in
// dbus-run-session). A stand-in screensaver service lives on a second bus
// connection, so every call really crosses the bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>

#include "system/ActivityInhibitor.h"

using namespace std::chrono_literals;

namespace {
const QString ServiceName = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ServicePath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ServiceConnection = QStringLiteral("fake-screensaver");

// Comfortably longer than a pause between pings below, so a busy machine
// does not end a lease by accident.
constexpr auto TestLease = 600ms;
} // namespace

class FakeScreenSaver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
  public:
    int inhibits = 0;
    QList<uint> issued;
    QList<uint> released;
    QString lastApplication;
    QString lastReason;
    bool refuse = false;
    int answerDelayMs = 0;

  public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& reason) {
        ++inhibits;
        lastApplication = application;
        lastReason = reason;
        if (refuse) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Inhibition refused"));
            return 0;
        }
        const uint cookie = mNextCookie++;
        issued << cookie;
        if (answerDelayMs > 0) {
            setDelayedReply(true);
            const QDBusMessage answer = message().createReply(cookie);
            QTimer::singleShot(answerDelayMs, this,
                               [bus = connection(), answer]() mutable { bus.send(answer); });
        }
        return cookie;
    }

    void UnInhibit(uint cookie) { released << cookie; }

  private:
    uint mNextCookie = 7001;
};

class DBusActivityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeScreenSaver> mService;

    void StartService() {
        mService = std::make_unique<FakeScreenSaver>();
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, ServiceConnection);
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerObject(ServicePath, mService.get(), QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(ServiceName));
    }

    // Pings `count` times, `gapMs` apart, checking that none waits on the bus.
    // The fake service is served by this thread's event loop: a Ping that
    // waited for its answer would either find the service already called
    // when it returns (a wait that turns the loop) or hang until D-Bus's
    // 25 s call timeout (a wait that does not).
    void PingRun(ActivityInhibitor& inhibitor, int count, int gapMs) {
        for (int i = 0; i < count; ++i) {
            const int asked = mService ? mService->inhibits : 0;
            inhibitor.Ping();
            if (mService)
                QVERIFY2(mService->inhibits == asked, "Ping waited on the bus");
            QTest::qWait(gapMs);
        }
    }

  private Q_SLOTS:
    void init() {
        // The inhibitor must stay quiet whatever the bus does.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void cleanup() {
        QDBusConnection bus(ServiceConnection);
        if (bus.isConnected()) {
            bus.unregisterService(ServiceName);
            bus.unregisterObject(ServicePath);
        }
        QDBusConnection::disconnectFromBus(ServiceConnection);
        mService.reset();
    }

    void aRunOfPingsHoldsOneInhibitionUntilThePingsStop() {
        StartService();
        ActivityInhibitor inhibitor(TestLease);
        int resets = 0;
        inhibitor.ResetScreenSaver = [&resets] { ++resets; };

        PingRun(inhibitor, 12, 100);
        QCOMPARE(resets, 12); // an X screensaver timeout may be shorter than any interval
        QCOMPARE(mService->inhibits, 1);
        QVERIFY(mService->released.isEmpty());
        QVERIFY(!mService->lastApplication.isEmpty());
        QVERIFY(!mService->lastReason.isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());

        // The next run asks afresh and gives back its own cookie.
        PingRun(inhibitor, 3, 100);
        QCOMPARE(mService->inhibits, 2);
        QCOMPARE(mService->issued.size(), 2);
        QVERIFY(mService->issued.at(1) != mService->issued.at(0));
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 2, 5000);
        QCOMPARE(mService->released.at(1), mService->issued.at(1));
    }

    void aLeaseEndingBeforeTheCookieComesReleasesItOnArrival() {
        StartService();
        mService->answerDelayMs = 500;
        ActivityInhibitor inhibitor(100ms);

        inhibitor.Ping();
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());
        QCOMPARE(mService->inhibits, 1);
    }

    void aPingWhileTheAnswerIsOnItsWayKeepsTheInhibition() {
        StartService();
        mService->answerDelayMs = 800;
        ActivityInhibitor inhibitor(200ms);

        inhibitor.Ping();
        QTest::qWait(400);           // the lease ends with the answer still out
        PingRun(inhibitor, 10, 100); // the answer arrives in the middle of these
        QCOMPARE(mService->inhibits, 1);
        QVERIFY(mService->released.isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());
    }

    void destructionGivesBackAHeldInhibition() {
        StartService();
        auto inhibitor = std::make_unique<ActivityInhibitor>(10s);
        inhibitor->Ping();
        QTRY_COMPARE(mService->inhibits, 1);
        QTest::qWait(200); // lets the cookie reach the inhibitor

        inhibitor.reset();
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());
    }

    void destructionGivesBackACookieStillOnItsWay() {
        StartService();
        mService->answerDelayMs = 300;
        auto inhibitor = std::make_unique<ActivityInhibitor>(10s);
        inhibitor->Ping();
        QTRY_COMPARE(mService->inhibits, 1);

        inhibitor.reset();
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());
    }

    void withoutTheServiceAPingIsPromptAndSilent() {
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(ServiceName));
        ActivityInhibitor inhibitor(200ms);
        PingRun(inhibitor, 6, 50);
        QTest::qWait(400); // past the lease: nothing left to release

        // A service that shows up later is used by the next run.
        StartService();
        PingRun(inhibitor, 2, 50);
        QCOMPARE(mService->inhibits, 1);
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released.first(), mService->issued.first());
    }

    void withoutABusAPingIsPromptAndSilent() {
        const QString name = QStringLiteral("no-bus");
        QDBusConnection dead =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name);
        QVERIFY(!dead.isConnected());
        {
            ActivityInhibitor inhibitor(100ms, name);
            PingRun(inhibitor, 6, 50);
            QTest::qWait(200);
            PingRun(inhibitor, 2, 50);
        }
        QDBusConnection::disconnectFromBus(name);
    }

    void aRefusalIsSilentAndNotRepeatedWithinARun() {
        StartService();
        mService->refuse = true;
        ActivityInhibitor inhibitor(300ms);

        PingRun(inhibitor, 8, 50);
        QTest::qWait(200); // the refusal has long arrived
        QCOMPARE(mService->inhibits, 1);

        // Once the run is over, the next one asks again.
        QTest::qWait(400);
        mService->refuse = false;
        PingRun(inhibitor, 2, 50);
        QCOMPARE(mService->inhibits, 2);
        QTRY_COMPARE_WITH_TIMEOUT(mService->released.size(), 1, 5000);
        QCOMPARE(mService->released, mService->issued);
    }
};

QTEST_MAIN(DBusActivityTest)
#include "test_dbus_activity.moc"
