#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "system/Application.h"
#include "system/MenuHandlers.h"
#include "system/Runtime.h"
#include "text/Color.h"
#include "ui/Control.h"

class MenuBar;
class QWidget;
class WindowHost;

// A top-level window built from design properties. Its Width and Height
// are those of its content area: on Linux the menu bar sits inside the
// window, above the content, and is not counted.
//
// A window is made in two steps, because its own overrides cannot run from
// a base constructor: the C++ constructor, then Construct(), which applies
// the design (Layout), creates the controls, binds the menu handlers and
// raises Open. Implicit<W>() does both.
class Window : public MenuHandlers {
  public:
    // Frame 8 makes a sheet: a window-modal dialog on a parent window.
    enum Frame { Document = 0, Sheet = 8 };

    explicit Window(Frame frame = Document);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Construct();

    // Design properties and bounds.
    QString Title() const;
    void SetTitle(const QString& title);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetMinimumSize(int width, int height);
    void SetMaximumSize(int width, int height);
    void SetResizeable(bool resizeable);
    // The buttons the title bar offers (the window manager has the last word).
    void SetTitleButtons(bool close, bool minimize, bool maximize);
    void SetBackColor(Color color);
    void SetVisible(bool visible) { mVisible = visible; }

    bool FullScreen() const { return mFullScreen; }
    void SetFullScreen(bool on);
    bool MenuBarVisible() const { return mMenuBarVisible; }
    void SetMenuBarVisible(bool visible);
    MenuBar* WindowMenuBar() const { return mMenuBar; }
    void SetMenuBar(MenuBar* bar);

    void Show();
    // Shows this window as a sheet on `parent`: modal to that window only.
    void ShowWithin(Window& parent, int facing = -1);
    void Close();
    void Refresh(bool erase = true);
    // Gives the window's keyboard focus to the window itself. It neither
    // raises nor activates the window: the pointer moving over a full-screen
    // window must not bury the Help window in front of it.
    void SetFocus();
    void Maximize();
    // True from the moment Close begins, its Close event included.
    bool IsClosed() const { return mClosed; }

    // Runs the action of one of the window's push buttons. A window answers
    // one press at a time and none once it is closed: a press that reaches
    // it while OK is still saving (a Cancel, a second OK) does nothing.
    void Press(const std::function<void()>& action);
    bool PressUnderWay() const { return mPressing; }
    // Whether some window is being built: between its Layout and the end
    // of its Open, which may yield to the event loop.
    static bool AnyUnderConstruction() { return sUnderConstruction > 0; }

    // Controls, found by the name they were added under.
    template <class T, class... Args> T& AddControl(const QString& name, Args&&... args) {
        auto control = std::make_unique<T>(*this, name, std::forward<Args>(args)...);
        T& ref = *control;
        mControls.push_back(std::move(control));
        return ref;
    }
    // The control of that name and class; NilObjectException when none.
    template <class T> T& Find(const QString& name) const {
        if (auto* c = dynamic_cast<T*>(FindControl(name)))
            return *c;
        throw NilObjectException(QStringLiteral("no control named ") + name);
    }
    Control* FindControl(const QString& name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return mControls; }

    // Runs the enabling of the menu items: the automatic rule, then this
    // window's EnableMenuItems event.
    void PrepareMenus();

    // The toolkit widgets, for the framework and for tests.
    QWidget* Host() const;
    QWidget* Content() const;

    // Events, raised by the framework.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}
    virtual void Event_MouseMove(int /*x*/, int /*y*/) {}
    virtual void Event_Resizing() {}
    virtual void Event_Resized() {}
    // True when the key was handled; false leaves it to the framework.
    virtual bool Event_KeyDown(const QString& /*key*/) { return false; }

  protected:
    // The three steps of construction.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}

  private:
    friend class WindowHost;
    // Called by the host widget.
    void HostResized();
    void ContentResized();
    void ApplyTabOrder();
    void FocusFirstField();
    void BringToFront();
    int MenuBarOffset() const;
    void ArrangeHost();
    void ResizeHost(int width, int height);

    static inline int sUnderConstruction = 0;

    WindowHost* mHost;
    QWidget* mContent;
    Frame mFrame;
    MenuBar* mMenuBar = nullptr;
    bool mVisible = true;
    bool mFullScreen = false;
    bool mMenuBarVisible = true;
    bool mClosed = false;
    bool mPressing = false;
    bool mResizeable = true;
    int mMinWidth = 0, mMinHeight = 0;
    std::vector<std::unique_ptr<Control>> mControls;
    std::vector<RectControl*> mTabOrder;
};

// The implicit instance of a window class: the open window of that class,
// or a newly constructed one. A closed window is never reused.
template <class W> W& Implicit() {
    if (auto* app = Application::Instance()) {
        for (Window* w : app->Windows())
            if (auto* found = dynamic_cast<W*>(w); found && !found->IsClosed())
                return *found;
    }
    auto* w = new W();
    w->Construct();
    return *w;
}
