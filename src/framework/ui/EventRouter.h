#pragma once

#include <QObject>
#include <QPointF>

class Window;

// Watches every event on its way to any widget, for the two things a
// window must see that the toolkit delivers elsewhere: pointer moves over
// its child widgets (the window's MouseMove) and the moment before a
// keyboard shortcut is matched (menu enabling must run first, so that a
// shortcut of a disabled item does nothing).
class EventRouter : public QObject {
  public:
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ulong mLastMoveTime = 0;
    QPointF mLastMovePos;
};

// The Window a widget belongs to, or nullptr.
Window* WindowOf(QObject* object);
