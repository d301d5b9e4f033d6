// Runs on a private session bus (the test registration wraps it in
// dbus-run-session). A stand-in screensaver service lives on a second bus
// connection, so every call really crosses the bus. The lease runs on the
// fake clock: the test moves the clock and fires the lease's timer.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <memory>

#include "FakeServices.h"
#include "system/ActivityInhibitor.h"

using namespace std::chrono_literals;

namespace {
const QString ServiceName = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ServicePath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ServiceInterface = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ServiceConnection = QStringLiteral("fake-screensaver");

constexpr auto Lease = ActivityInhibitor::DefaultLease;
// A running count pings four times a second.
constexpr auto Gap = 250ms;
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
    // Inhibit's answers wait until SendHeldAnswers: on their way meanwhile.
    bool holdAnswers = false;

    void SendHeldAnswers() {
        for (const QDBusMessage& answer : std::as_const(mHeld))
            QDBusConnection(ServiceConnection).send(answer);
        mHeld.clear();
    }

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
        if (holdAnswers) {
            setDelayedReply(true);
            mHeld << message().createReply(cookie);
        }
        return cookie;
    }

    void UnInhibit(uint cookie) { released << cookie; }

    // Answered at once, in its turn after the calls that came before it.
    void RoundTrip() {}

  private:
    uint mNextCookie = 7001;
    QList<QDBusMessage> mHeld;
};

class DBusActivityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeServices> mFake;
    std::unique_ptr<FakeScreenSaver> mService;

    void StartService() {
        mService = std::make_unique<FakeScreenSaver>();
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, ServiceConnection);
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerObject(ServicePath, mService.get(), QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(ServiceName));
    }

    void Advance(std::chrono::milliseconds time) {
        mFake->advanceSeconds(std::chrono::duration<double>(time).count());
    }

    // Calls the service from the inhibitor's bus connection and waits for
    // the answer. Calls travel in order and the service answers them in
    // order, so once it is back, every call the inhibitor made has reached
    // the service and every answer the service gave has reached the
    // inhibitor. Without the service, the bus answers in its place.
    void RoundTrip() {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            ServiceName, ServicePath, ServiceInterface, QStringLiteral("RoundTrip"));
        QDBusPendingCallWatcher watcher(QDBusConnection::sessionBus().asyncCall(call));
        QSignalSpy back(&watcher, &QDBusPendingCallWatcher::finished);
        QVERIFY(back.wait(5000));
    }

    // Pings `count` times, a gap apart on the clock, firing the lease's
    // timer in every gap; each Ping's calls and answers cross the bus
    // before the next. None may wait on the bus: the fake service is served
    // by this thread's event loop, so a Ping that waited for its answer
    // would either find the service already called when it returns (a wait
    // that turns the loop) or hang until D-Bus's 25 s call timeout (a wait
    // that does not).
    void PingRun(ActivityInhibitor& inhibitor, int count) {
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                Advance(Gap);
                inhibitor.CheckLease();
            }
            const int asked = mService ? mService->inhibits : 0;
            inhibitor.Ping();
            if (mService)
                QVERIFY2(mService->inhibits == asked, "Ping waited on the bus");
            RoundTrip();
        }
    }

    // Moves the clock to the end of the lease from the last Ping, firing
    // its timer a millisecond before, when nothing may be given back yet,
    // and at the end.
    void RunOutTheLease(ActivityInhibitor& inhibitor) {
        const qsizetype released = mService ? mService->released.size() : 0;
        Advance(Lease - 1ms);
        inhibitor.CheckLease();
        RoundTrip();
        if (mService)
            QVERIFY2(mService->released.size() == released, "the lease ended early");
        Advance(1ms);
        inhibitor.CheckLease();
    }

  private Q_SLOTS:
    void init() {
        // The inhibitor must stay quiet whatever the bus does.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        mFake = std::make_unique<FakeServices>();
    }

    void cleanup() {
        QDBusConnection bus(ServiceConnection);
        if (bus.isConnected()) {
            bus.unregisterService(ServiceName);
            bus.unregisterObject(ServicePath);
        }
        QDBusConnection::disconnectFromBus(ServiceConnection);
        mService.reset();
        mFake.reset();
    }

    void aRunOfPingsHoldsOneInhibitionUntilThePingsStop() {
        StartService();
        ActivityInhibitor inhibitor;
        int resets = 0;
        inhibitor.ResetScreenSaver = [&resets] { ++resets; };

        PingRun(inhibitor, 12); // longer than two leases
        QCOMPARE(resets, 12);   // an X screensaver timeout may be shorter than any interval
        QCOMPARE(mService->inhibits, 1);
        QVERIFY(mService->released.isEmpty());
        QVERIFY(!mService->lastApplication.isEmpty());
        QVERIFY(!mService->lastReason.isEmpty());

        RunOutTheLease(inhibitor);
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);

        // The next run asks afresh and gives back its own cookie.
        PingRun(inhibitor, 3);
        QCOMPARE(mService->inhibits, 2);
        RunOutTheLease(inhibitor);
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);
    }

    // The one test where the lease's timer runs by itself, as in the
    // program: a lease of no length ends at the next turn of the loop.
    void theLeaseEndsByItselfWhereTimersRun() {
        StartService();
        mFake.reset();
        ActivityInhibitor inhibitor(0ms);
        inhibitor.Ping();
        QTRY_COMPARE(mService->released.size(), 1);
        QCOMPARE(mService->released, mService->issued);
    }

    void aLeaseEndingBeforeTheCookieComesReleasesItOnArrival() {
        StartService();
        mService->holdAnswers = true;
        ActivityInhibitor inhibitor;

        PingRun(inhibitor, 1);
        RunOutTheLease(inhibitor);
        RoundTrip();
        QVERIFY(mService->released.isEmpty()); // nothing to give back yet
        mService->SendHeldAnswers();
        QTRY_COMPARE(mService->released.size(), 1);
        QCOMPARE(mService->released, mService->issued);
        QCOMPARE(mService->inhibits, 1);
    }

    void aPingWhileTheAnswerIsOnItsWayKeepsTheInhibition() {
        StartService();
        mService->holdAnswers = true;
        ActivityInhibitor inhibitor;

        PingRun(inhibitor, 1);
        RunOutTheLease(inhibitor); // the lease ends with the answer still out
        PingRun(inhibitor, 2);
        mService->SendHeldAnswers(); // the answer arrives in the middle of a run
        PingRun(inhibitor, 2);
        QCOMPARE(mService->inhibits, 1);
        QVERIFY(mService->released.isEmpty());

        RunOutTheLease(inhibitor);
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);
    }

    void destructionGivesBackAHeldInhibition() {
        StartService();
        auto inhibitor = std::make_unique<ActivityInhibitor>();
        PingRun(*inhibitor, 1); // the cookie has come
        QVERIFY(mService->released.isEmpty());

        inhibitor.reset();
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);
    }

    void destructionGivesBackACookieStillOnItsWay() {
        StartService();
        mService->holdAnswers = true;
        auto inhibitor = std::make_unique<ActivityInhibitor>();
        PingRun(*inhibitor, 1);

        inhibitor.reset();
        mService->SendHeldAnswers();
        QTRY_COMPARE(mService->released.size(), 1);
        QCOMPARE(mService->released, mService->issued);
    }

    void withoutTheServiceAPingIsPromptAndSilent() {
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(ServiceName));
        ActivityInhibitor inhibitor;
        PingRun(inhibitor, 6);
        RunOutTheLease(inhibitor); // nothing to give back

        // A service that shows up later is used by the next run.
        StartService();
        PingRun(inhibitor, 2);
        QCOMPARE(mService->inhibits, 1);
        RunOutTheLease(inhibitor);
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);
    }

    void withoutABusAPingIsPromptAndSilent() {
        const QString name = QStringLiteral("no-bus");
        QDBusConnection dead =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name);
        QVERIFY(!dead.isConnected());
        {
            ActivityInhibitor inhibitor(Lease, name);
            int resets = 0;
            inhibitor.ResetScreenSaver = [&resets] { ++resets; };
            PingRun(inhibitor, 6);
            RunOutTheLease(inhibitor);
            PingRun(inhibitor, 2);
            QCOMPARE(resets, 8); // the X screensaver is reset all the same
        }
        QDBusConnection::disconnectFromBus(name);
    }

    void aRefusalIsSilentAndNotRepeatedWithinARun() {
        StartService();
        mService->refuse = true;
        ActivityInhibitor inhibitor;

        PingRun(inhibitor, 8);
        QCOMPARE(mService->inhibits, 1);

        // Once the run is over, the next one asks again.
        RunOutTheLease(inhibitor);
        mService->refuse = false;
        PingRun(inhibitor, 2);
        QCOMPARE(mService->inhibits, 2);
        RunOutTheLease(inhibitor);
        RoundTrip();
        QCOMPARE(mService->released, mService->issued);
    }
};

QTEST_MAIN(DBusActivityTest)
#include "test_dbus_activity.moc"
