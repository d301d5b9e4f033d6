#include "ui/Window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>

#include "ui/EventRouter.h"
#include "ui/MenuBar.h"
#include "ui/PushButton.h"
#include "ui/WindowHost.h"

Window::Window(Frame frame) : mFrame(frame) {
    mHost = new WindowHost(*this, frame == Sheet);
    mContent = new QWidget(mHost);
    mContent->setObjectName(QStringLiteral("content"));
    mContent->setMouseTracking(true);
    mHost->setMouseTracking(true);
    EventRouter::Install();
    if (auto* app = Application::Instance())
        app->WindowOpened(this);
}

Window::~Window() {
    if (auto* app = Application::Instance())
        app->WindowGone(this);
    // Controls go before the widgets that hold theirs, newest first: the
    // controls inside a group box before the box, whose widget takes theirs.
    while (!mControls.empty())
        mControls.pop_back();
    if (mMenuBar)
        mMenuBar->Detach(*this);
    delete mHost;
}

void Window::Construct() {
    struct Building {
        Building() { ++sUnderConstruction; }
        ~Building() { --sUnderConstruction; }
    } building;
    Guarded([this] {
        Layout();
        CreateControls();
        ApplyTabOrder();
        AddMenuHandlers();
        // By index: an Open handler may add controls.
        for (size_t i = 0; i < mControls.size(); ++i)
            mControls[i]->RaiseOpen();
        Event_Open();
    });
    if (mVisible && !mClosed && mFrame != Sheet)
        Show();
}

QWidget* Window::Host() const {
    return mHost;
}
QWidget* Window::Content() const {
    return mContent;
}

QString Window::Title() const {
    return mHost->windowTitle();
}
void Window::SetTitle(const QString& title) {
    mHost->setWindowTitle(title);
}

int Window::MenuBarOffset() const {
    if (!mMenuBar || !mMenuBarVisible || mFullScreen)
        return 0;
    QMenuBar* bar = mMenuBar->WidgetFor(*this);
    return bar ? bar->sizeHint().height() : 0;
}

int Window::Left() const {
    return mHost->geometry().x();
}
int Window::Top() const {
    return mHost->geometry().y() + MenuBarOffset();
}
int Window::Width() const {
    return mContent->width();
}
int Window::Height() const {
    return mContent->height();
}

// The bounds are those of the client area; move() would place the frame.
void Window::SetLeft(int left) {
    QRect r = mHost->geometry();
    r.moveLeft(left);
    mHost->setGeometry(r);
}

void Window::SetTop(int top) {
    QRect r = mHost->geometry();
    r.moveTop(top - MenuBarOffset());
    mHost->setGeometry(r);
}
void Window::SetWidth(int width) {
    ResizeHost(width, mHost->height());
}
void Window::SetHeight(int height) {
    ResizeHost(mHost->width(), height + MenuBarOffset());
}

// A window the user cannot resize is still resized by the program.
void Window::ResizeHost(int width, int height) {
    if (mResizeable)
        mHost->resize(width, height);
    else
        mHost->setFixedSize(width, height);
    ArrangeHost();
}

void Window::SetMinimumSize(int width, int height) {
    mMinWidth = width;
    mMinHeight = height;
    mHost->setMinimumSize(width, height + MenuBarOffset());
}

void Window::SetMaximumSize(int width, int height) {
    // The toolkit's own limit is lower than some designs ask for.
    mHost->setMaximumSize(std::min(width, QWIDGETSIZE_MAX), std::min(height, QWIDGETSIZE_MAX));
}

void Window::SetResizeable(bool resizeable) {
    mResizeable = resizeable;
    if (!resizeable)
        mHost->setFixedSize(mHost->size());
}

void Window::SetTitleButtons(bool close, bool minimize, bool maximize) {
    Qt::WindowFlags flags = (mHost->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (close)
        flags |= Qt::WindowCloseButtonHint;
    if (minimize)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximize)
        flags |= Qt::WindowMaximizeButtonHint;
    mHost->setWindowFlags(flags);
}

void Window::SetBackColor(Color color) {
    QPalette palette = mContent->palette();
    palette.setColor(QPalette::Window, QColor(color.Red, color.Green, color.Blue));
    mContent->setPalette(palette);
    mContent->setAutoFillBackground(true);
}

void Window::SetMenuBar(MenuBar* bar) {
    if (mMenuBar)
        mMenuBar->Detach(*this);
    mMenuBar = bar;
    if (mMenuBar)
        mMenuBar->Attach(*this);
    ArrangeHost();
}

void Window::SetMenuBarVisible(bool visible) {
    if (visible == mMenuBarVisible)
        return;
    mMenuBarVisible = visible;
    // Windowed, the bar takes its room from the content and gives it back,
    // while the host keeps its size and sends no resize: lay the controls
    // out here. In full screen the bar lies over the content instead.
    const QSize before = mContent->size();
    ArrangeHost();
    if (mContent->size() != before)
        ContentResized();
}

void Window::SetFullScreen(bool on) {
    if (on == mFullScreen)
        return;
    // Content height stays what it is across the change of mode; the menu
    // bar stops (or starts) taking room above it.
    mFullScreen = on;
    if (on)
        mHost->showFullScreen();
    else
        mHost->showNormal();
    // The content changes size with the menu bar even when the host keeps
    // its own (a window that already covered the screen), and then no
    // resize follows: lay the controls out here.
    HostResized();
}

void Window::Maximize() {
    mHost->showMaximized();
}

// Lays out the menu bar and the content inside the host. Windowed, the
// bar sits above the content; in full screen the content covers the whole
// screen and a shown bar lies over its top.
void Window::ArrangeHost() {
    const int w = mHost->width(), h = mHost->height();
    QMenuBar* bar = mMenuBar ? mMenuBar->WidgetFor(*this) : nullptr;
    const bool barShown = bar && mMenuBarVisible;
    const int barHeight = barShown ? bar->sizeHint().height() : 0;
    if (bar) {
        bar->setVisible(barShown);
        if (barShown) {
            bar->setGeometry(0, 0, w, barHeight);
            bar->raise();
        }
    }
    const int top = mFullScreen ? 0 : barHeight;
    mContent->setGeometry(0, top, w, std::max(0, h - top));
    if (mResizeable)
        mHost->setMinimumSize(mMinWidth, mMinHeight + top);
}

void Window::HostResized() {
    ArrangeHost();
    ContentResized();
}

void Window::ContentResized() {
    const int w = Width(), h = Height();
    for (auto& control : mControls)
        if (auto* rc = dynamic_cast<RectControl*>(control.get()))
            rc->ApplyLocks(w, h);
    Event_Resizing();
    Event_Resized();
}

// TabIndex counts among the controls of one parent: Tab goes through a
// group box's controls before it moves on to the next control of the window.
void Window::ApplyTabOrder() {
    std::vector<RectControl*> order;
    std::function<void(RectControl*)> addChildrenOf = [&](RectControl* parent) {
        std::vector<RectControl*> children;
        for (auto& control : mControls)
            if (auto* rc = dynamic_cast<RectControl*>(control.get()); rc && rc->Parent() == parent)
                children.push_back(rc);
        std::stable_sort(children.begin(), children.end(),
                         [](auto* a, auto* b) { return a->TabIndex < b->TabIndex; });
        for (RectControl* child : children) {
            order.push_back(child);
            addChildrenOf(child);
        }
    };
    addChildrenOf(nullptr);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
    mTabOrder = std::move(order);
}

// A window opens with the focus in its first field, not on a button that
// comes before it in the Tab order (the Set sheet's "Cancel"): what the
// user types goes where it is meant to.
void Window::FocusFirstField() {
    if (mHost->focusWidget())
        return;
    for (RectControl* control : mTabOrder) {
        QWidget* widget = control->Widget();
        if (!dynamic_cast<PushButton*>(control) && widget && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Window::Show() {
    if (mClosed)
        return;
    ArrangeHost();
    FocusFirstField();
    BringToFront();
    mHost->activateWindow();
}

// A minimised window comes back, as the user left it otherwise (maximised
// or not).
void Window::BringToFront() {
    mHost->setWindowState(mHost->windowState() & ~Qt::WindowMinimized);
    mHost->show();
    mHost->raise();
}

void Window::ShowWithin(Window& parent, int) {
    if (mClosed)
        return;
    if (mFrame != Sheet) {
        Show();
        return;
    }
    // The sheet is seen on its parent: a minimised parent comes back with
    // it (a command given from another window), but the sheet takes the
    // activation.
    parent.BringToFront();
    const QSize size = mHost->size();
    // Qt::Sheet | Qt::Dialog is Qt::Drawer, which X11 window managers treat
    // as a utility window: the type is replaced, not added to.
    mHost->setParent(parent.Host(), (mHost->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    mHost->resize(size);
    ArrangeHost();
    FocusFirstField();
    mHost->open(); // window-modal; returns at once
}

// Not through the toolkit's close(): inside a close that the window manager
// asked for (a sheet's close box pressing Cancel), that does nothing. The
// window counts as closed before its Close handler runs: a handler may
// yield, and a close that arrives meanwhile must not run it a second time.
void Window::Close() {
    if (mClosed)
        return;
    mClosed = true;
    const auto finish = qScopeGuard([this] {
        mHost->CloseQuietly();
        if (auto* app = Application::Instance())
            app->WindowClosed(this);
    });
    Event_Close();
}

void Window::Press(const std::function<void()>& action) {
    if (mClosed || mPressing)
        return;
    mPressing = true;
    Guarded(action);
    mPressing = false;
}

void Window::Refresh(bool erase) {
    for (auto& control : mControls)
        if (auto* rc = dynamic_cast<RectControl*>(control.get()))
            rc->Refresh(erase);
    mHost->update();
}

void Window::SetFocus() {
    mHost->setFocus(Qt::OtherFocusReason);
}

Control* Window::FindControl(const QString& name) const {
    for (auto& control : mControls)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

void Window::PrepareMenus() {
    if (!mMenuBar)
        return;
    mMenuBar->ApplyAutoEnable(this);
    Event_EnableMenuItems();
}
