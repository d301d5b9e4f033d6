#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

class QDBusPendingCallWatcher;

// Keeps the screensaver and display sleep away while Ping keeps being
// called. Desktops that follow freedesktop.org (GNOME among them) ignore
// simulated user activity, so the first Ping of a run takes an inhibition
// on org.freedesktop.ScreenSaver, and it is given back once the Pings have
// stopped for the lease's length. On X11 the X screensaver is reset too, at
// every Ping: its timeout may be any length, down to a few seconds.
// Nothing here waits for the bus, and a missing bus or service is silent.
class ActivityInhibitor : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds DefaultLease{1500};

    // `busName` names a connection already made with
    // QDBusConnection::connectToBus; empty means the session bus.
    explicit ActivityInhibitor(std::chrono::milliseconds lease = DefaultLease,
                               const QString& busName = QString(), QObject* parent = nullptr);
    ~ActivityInhibitor() override;

    void Ping();
    // Ends the lease once no Ping has come for its length on the services'
    // clock. The lease's timer calls it; under a test's services timers do
    // not run by themselves, and the test calls it after moving the clock.
    void CheckLease();

    // Resets the X screensaver's idle time: on X11 one request to the X
    // server, elsewhere nothing. Tests count the calls in its place.
    std::function<void()> ResetScreenSaver;

  private:
    enum class State {
        Idle,    // nothing held
        Asking,  // Inhibit sent, no answer yet
        Holding, // the cookie is held
        Refused, // no bus, no service or an error: no more asking this run
    };

    void AskForInhibit();
    void InhibitAnswered(QDBusPendingCallWatcher* watcher);
    void LeaseEnded();

    QString mBusName;
    std::chrono::milliseconds mLeaseLength;
    QTimer mLease;
    double mLastPing = 0; // on the services' clock, in microseconds
    State mState = State::Idle;
    // The lease ended while the answer was on its way: give the cookie
    // back as soon as it comes.
    bool mReleaseOnAnswer = false;
    uint mCookie = 0;
    QDBusPendingCallWatcher* mPending = nullptr;
};
