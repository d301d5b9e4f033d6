#include "ui/EventRouter.h"

#include <QAction>
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
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // A window whose Open yields to the event loop is not there yet for
        // the user, and the windows behind it are not yet blocked by it:
        // a key, click or menu shortcut then would act on them (start the
        // count, open the same sheet a second time). It is dropped. A
        // message box that the Open shows still takes its answer.
        if (Window::AnyUnderConstruction() &&
            (WindowOf(watched) || qobject_cast<QAction*>(watched)))
            return true;
        break;
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
