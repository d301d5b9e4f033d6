#include "system/Timer.h"

#include "system/Runtime.h"
#include "system/Services.h"

Timer::Timer(Window& owner, const QString& name) : Control(owner, name) {
    // Precise timers: the count-down display follows a second boundary by
    // at most one period, which a coarse timer would stretch.
    mTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mTimer, &QTimer::timeout, [this] { Fire(); });
}

void Timer::SetMode(int mode) {
    mMode = (mode == Single || mode == Multiple) ? mode : Off;
    Restart();
}

void Timer::SetPeriod(int milliseconds) {
    mPeriod = milliseconds < 1 ? 1 : milliseconds;
    if (mTimer.isActive())
        mTimer.setInterval(mPeriod);
}

void Timer::Restart() {
    mTimer.stop();
    if (mMode == Off || !TheServices().TimersRunThemselves())
        return;
    mTimer.setSingleShot(mMode == Single);
    mTimer.start(mPeriod);
}

void Timer::Fire() {
    if (mMode == Off)
        return;
    if (mMode == Single)
        SetMode(Off);
    // What the action repaints is painted as it returns, in this same wake-up.
    RefreshBatch batch;
    if (Action)
        Guarded([this] { Action(); });
}
