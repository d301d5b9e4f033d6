#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class DragItem;
class QWidget;
class RectControl;
class Window;

// Something a window owns under a name: a timer or a visible control.
class Control {
  public:
    Control(Window& owner, const QString& name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return mName; }
    Window& Owner() const { return mOwner; }

    // Raises the control's Open event: its window calls it once every
    // control exists, before the window's own Open.
    virtual void RaiseOpen() {}

  private:
    Window& mOwner;
    QString mName;
};

// A control with a place in its window. Left, Top, Width and Height are in
// the window's content coordinates, also for a control inside another (a
// group box); the four locks keep an edge's distance to the matching window
// edge when the window is resized.
class RectControl : public Control {
  public:
    RectControl(Window& owner, const QString& name, QWidget* widget);
    ~RectControl() override;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // Places the control; the new place is also what the locks keep from now on.
    void SetBounds(int left, int top, int width, int height);
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }

    // The control that holds this one (a group box), or nullptr for the
    // window. Moved into another, a control keeps its place in the window.
    RectControl* Parent() const { return mParent; }
    void SetParent(RectControl* parent);

    bool LockLeft = false;
    bool LockTop = false;
    bool LockRight = false;
    bool LockBottom = false;
    int TabIndex = 0;

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Whether the control's window is the active window.
    bool Active() const;
    // A new item to drag out of this control; the bounds are in window
    // coordinates.
    std::unique_ptr<DragItem> NewDragItem(int left, int top, int width, int height);
    // Whether the control takes the keyboard focus by clicking or tabbing.
    void SetAcceptFocus(bool accept);

    // Asks for a repaint. Every control here paints its whole surface, so
    // no erasing is ever needed and `erase` changes nothing.
    virtual void Refresh(bool erase = true);
    // Does a refresh that was put off until the end of a RefreshBatch.
    virtual void RefreshNow() {}
    void SetFocus();
    bool HasFocus() const;

    // The toolkit widget, for the framework and for tests.
    // Null once the widget is gone.
    QWidget* Widget() const { return mWidgetAlive ? mWidget : nullptr; }

    // Moves and sizes the control for a window content of this size; the
    // locks of a control inside another hold to that one's edges.
    void ApplyLocks(int windowWidth, int windowHeight);

  private:
    // The control's bounds in the window for a content of this size.
    QRect LockedBounds(int windowWidth, int windowHeight) const;
    // Sets the widget's geometry from window coordinates.
    void Place(const QRect& inWindow, const QPoint& parentOrigin);

    RectControl* mParent = nullptr;
    QWidget* mWidget;
    // Null once the widget is gone: a group box's widget takes its
    // children's with it, whichever control goes first.
    QPointer<QObject> mWidgetAlive;
    QRect mDesign; // the bounds the locks keep distances from
    int mDesignWindowWidth = 0;
    int mDesignWindowHeight = 0;
};

// While one lives, a control may put off its refreshes until the batch ends
// and do them then, in the same turn of the event loop: a timer whose action
// repaints then wakes the program once, not twice (a repaint queued for a
// later turn wakes it again).
class RefreshBatch {
  public:
    RefreshBatch();
    ~RefreshBatch();
    RefreshBatch(const RefreshBatch&) = delete;
    RefreshBatch& operator=(const RefreshBatch&) = delete;

    // Whether a batch is open in the event loop running now; if so,
    // `control` gets RefreshNow as it ends (once, however often it asks).
    static bool Defer(RectControl* control);
    // The control is going: it gets no RefreshNow.
    static void Forget(RectControl* control);

  private:
    RefreshBatch* mOuter;
    int mLoopLevel;
    bool mEnding = false;
    std::vector<RectControl*> mDeferred;
};
