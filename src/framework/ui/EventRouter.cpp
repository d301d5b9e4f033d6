#include "ui/EventRouter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "system/Runtime.h"
#include "ui/Window.h"
#include "ui/WindowHost.h"

void EventRouter::Install() {
    static EventRouter* router = nullptr;
    if (!router && qApp) {
        router = new EventRouter;
        router->setParent(qApp);
        qApp->installEventFilter(router);
    }
}

Window* WindowOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    auto* host = dynamic_cast<WindowHost*>(widget->window());
    return host ? &host->Owner() : nullptr;
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (Window* w = WindowOf(watched))
            Guarded([w] { w->PrepareMenus(); });
        break;
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        // A move that a child ignores reaches its parents as well: the
        // window hears of it once.
        if (move->timestamp() == mLastMoveTime && move->globalPosition() == mLastMovePos)
            break;
        Window* w = WindowOf(watched);
        if (!w || w->IsClosed())
            break;
        mLastMoveTime = move->timestamp();
        mLastMovePos = move->globalPosition();
        const QPoint p = w->Content()->mapFromGlobal(move->globalPosition().toPoint());
        Guarded([&] { w->Event_MouseMove(p.x(), p.y()); });
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
