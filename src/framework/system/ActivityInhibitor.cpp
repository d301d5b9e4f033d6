#include "system/ActivityInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

#include "system/Services.h"

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace {

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ScreenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

QDBusConnection BusNamed(const QString& name) {
    return name.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(name);
}

// Nobody waits for the answer to UnInhibit, so it is sent without one.
void Release(const QString& busName, uint cookie) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        ScreenSaverService, ScreenSaverPath, ScreenSaverInterface, QStringLiteral("UnInhibit"));
    call << cookie;
    BusNamed(busName).send(call);
}

// One request, cheap enough for every tick: a timeout set short (xset s 10)
// must never run out between two ticks of a count.
void ResetX11ScreenSaver() {
#if QT_CONFIG(xcb)
    // Only the xcb platform answers to this interface; elsewhere it is null.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 =
        app != nullptr ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_force_screen_saver(x11->connection(), XCB_SCREEN_SAVER_RESET);
    xcb_flush(x11->connection());
#endif
}

} // namespace

ActivityInhibitor::ActivityInhibitor(std::chrono::milliseconds lease, const QString& busName,
                                     QObject* parent)
    : QObject(parent), ResetScreenSaver(ResetX11ScreenSaver), mBusName(busName),
      mLeaseLength(lease) {
    mLease.setSingleShot(true);
    connect(&mLease, &QTimer::timeout, this, &ActivityInhibitor::CheckLease);
}

ActivityInhibitor::~ActivityInhibitor() {
    if (mState == State::Holding) {
        Release(mBusName, mCookie);
    } else if (mState == State::Asking && mPending != nullptr) {
        // The answer outlives us: whatever cookie it brings goes straight back.
        disconnect(mPending, nullptr, this, nullptr);
        const QString busName = mBusName;
        connect(mPending, &QDBusPendingCallWatcher::finished, mPending,
                [busName](QDBusPendingCallWatcher* watcher) {
                    const QDBusPendingReply<uint> reply = *watcher;
                    if (!reply.isError())
                        Release(busName, reply.value());
                    watcher->deleteLater();
                });
    }
}

void ActivityInhibitor::Ping() {
    if (ResetScreenSaver)
        ResetScreenSaver();
    mLastPing = TheServices().Microseconds();
    if (TheServices().TimersRunThemselves())
        mLease.start(mLeaseLength);
    switch (mState) {
    case State::Idle:
        AskForInhibit();
        break;
    case State::Asking:
        mReleaseOnAnswer = false;
        break;
    case State::Holding:
    case State::Refused:
        break;
    }
}

void ActivityInhibitor::AskForInhibit() {
    QDBusConnection bus = BusNamed(mBusName);
    if (!bus.isConnected()) {
        mState = State::Refused;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        ScreenSaverService, ScreenSaverPath, ScreenSaverInterface, QStringLiteral("Inhibit"));
    call << QCoreApplication::applicationName() << QStringLiteral("A count-down is running");
    mPending = new QDBusPendingCallWatcher(bus.asyncCall(call));
    connect(mPending, &QDBusPendingCallWatcher::finished, this,
            &ActivityInhibitor::InhibitAnswered);
    mState = State::Asking;
    mReleaseOnAnswer = false;
}

void ActivityInhibitor::InhibitAnswered(QDBusPendingCallWatcher* watcher) {
    watcher->deleteLater();
    mPending = nullptr;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        // Stay refused until the run ends, rather than asking a missing
        // service four times a second.
        mState = mReleaseOnAnswer ? State::Idle : State::Refused;
        return;
    }
    if (mReleaseOnAnswer) {
        Release(mBusName, reply.value());
        mState = State::Idle;
        return;
    }
    mCookie = reply.value();
    mState = State::Holding;
}

void ActivityInhibitor::CheckLease() {
    using Microseconds = std::chrono::duration<double, std::micro>;
    const Microseconds left = mLeaseLength - Microseconds(TheServices().Microseconds() - mLastPing);
    if (left > Microseconds::zero()) {
        // Not yet: a coarse timer may go off a little early.
        if (TheServices().TimersRunThemselves())
            mLease.start(std::chrono::ceil<std::chrono::milliseconds>(left));
        return;
    }
    LeaseEnded();
}

void ActivityInhibitor::LeaseEnded() {
    switch (mState) {
    case State::Holding:
        Release(mBusName, mCookie);
        mState = State::Idle;
        break;
    case State::Asking:
        mReleaseOnAnswer = true;
        break;
    case State::Refused:
        mState = State::Idle;
        break;
    case State::Idle:
        break;
    }
}
