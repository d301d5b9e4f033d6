#include "ui/EventRouter.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>

#include "system/Application.h"
#include "system/Runtime.h"
#include "ui/MenuBar.h"
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

static bool OnMenuBar(QObject* object) {
    for (auto* widget = qobject_cast<QWidget*>(object); widget && !widget->isWindow();
         widget = widget->parentWidget())
        if (qobject_cast<QMenuBar*>(widget))
            return true;
    return false;
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
        // Nor does a window that is closed, or busy with a press (OK saving
        // the settings), take any: a box ticked then would be lost, or
        // differ from what was saved.
        if (Window* w = WindowOf(watched); w && (w->IsClosed() || w->PressUnderWay()))
            return true;
        break;
    case QEvent::ShortcutOverride:
        // The menu bar's shortcuts act from every window of the program:
        // the commands' enabling is brought up to date for the window they
        // will act on.
        if (Window* w = WindowOf(watched)) {
            Application* app = Application::Instance();
            MenuBar* bar = w->WindowMenuBar() ? w->WindowMenuBar()
                           : app              ? app->AppMenuBar()
                                              : nullptr;
            if (Window* target = bar ? bar->TargetWindow() : nullptr)
                Guarded([target] { target->PrepareMenus(); });
        }
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
        // The menu bar is no part of the window's content, as on a desktop
        // whose menu bar sits at the top of the screen: the pointer on it is
        // not over the window (in full screen, moving onto the bar must
        // not hide it). An open menu takes the moves itself.
        if (OnMenuBar(watched))
            break;
        const QPoint p = w->Content()->mapFromGlobal(move->globalPosition().toPoint());
        Guarded([&] { w->Event_MouseMove(p.x(), p.y()); });
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
