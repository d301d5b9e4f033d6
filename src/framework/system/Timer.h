#pragma once

#include <QTimer>
#include <functional>

// An arrow from system up to ui: a timer is a control placed on its window,
// found by name and deleted with it like any other.
#include "ui/Control.h"

// A timer control. Mode 0 is off, 1 fires once, 2 repeats every Period
// milliseconds. Under a test's services timers do not run by themselves:
// the test calls Fire() for each period that passes.
class Timer : public Control {
  public:
    enum { Off = 0, Single = 1, Multiple = 2 };

    Timer(Window& owner, const QString& name);

    int Mode() const { return mMode; }
    void SetMode(int mode);
    int Period() const { return mPeriod; }
    void SetPeriod(int milliseconds);

    std::function<void()> Action;

    // One period has passed: runs Action when the timer is on.
    void Fire();

  private:
    void Restart();

    QTimer mTimer;
    int mMode = Off;
    int mPeriod = 1000;
};
