#include "ui/WindowHost.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "system/Runtime.h"
#include "ui/Window.h"

WindowHost::WindowHost(Window& window, bool sheet) : mWindow(window), mSheet(sheet) {
    if (!sheet)
        setWindowFlags(Qt::Window);
    // A document window takes the keys itself when no control does. A
    // sheet must not: it would be a stop of its own in the Tab order.
    setFocusPolicy(sheet ? Qt::NoFocus : Qt::StrongFocus);
}

void WindowHost::CloseQuietly() {
    mClosing = true;
    hide();
}

// Only the window manager closes the host this way (the window's own Close
// hides it): its close box, or a close from a task bar.
void WindowHost::closeEvent(QCloseEvent* event) {
    if (mClosing) {
        event->accept();
        return;
    }
    // The window's own close under way (its handler yields), or a press
    // under way (OK saving), closes the window itself when it ends.
    if (mWindow.IsClosed() || mWindow.PressUnderWay()) {
        event->ignore();
        return;
    }
    // A sheet has no close box, but the window manager may offer one: its
    // close is the sheet's Cancel, so that nothing is left half done, and
    // the sheet is gone after it as after Cancel.
    if (QPushButton* cancel = mSheet ? CancelButton() : nullptr)
        cancel->click();
    Guarded([this] { mWindow.Close(); });
    event->accept();
}

void WindowHost::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Guarded([this] { mWindow.HostResized(); });
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    const QString key = KeyText(*event);
    if (!key.isEmpty() && Guarded([&] { return mWindow.Event_KeyDown(key); })) {
        event->accept();
        return;
    }
    // Only a sheet answers Return with its default button and Escape with
    // its cancel button.
    if (mSheet)
        QDialog::keyPressEvent(event);
    else
        QWidget::keyPressEvent(event);
}

void WindowHost::reject() {
    if (!mSheet)
        return;
    // Escape presses the sheet's cancel button, if it has one.
    if (QPushButton* cancel = CancelButton())
        cancel->click();
}

QPushButton* WindowHost::CancelButton() const {
    for (auto* button : findChildren<QPushButton*>())
        if (button->property("cancelButton").toBool() && button->isEnabled())
            return button;
    return nullptr;
}

QString KeyText(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
        return QString(QChar(13));
    case Qt::Key_Enter:
        return QString(QChar(3));
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QString(QChar(9));
    case Qt::Key_Escape:
        return QString(QChar(27));
    case Qt::Key_Backspace:
        return QString(QChar(8));
    case Qt::Key_Delete:
        return QString(QChar(127));
    case Qt::Key_Left:
        return QString(QChar(28));
    case Qt::Key_Right:
        return QString(QChar(29));
    case Qt::Key_Up:
        return QString(QChar(30));
    case Qt::Key_Down:
        return QString(QChar(31));
    default:
        break;
    }
    // Keys held with Ctrl belong to shortcuts, not to the window.
    if (event.modifiers() & Qt::ControlModifier)
        return {};
    return event.text();
}
