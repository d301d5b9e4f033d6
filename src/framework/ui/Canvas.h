#pragma once

#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

#include "ui/Control.h"

class CallLog;
class CanvasWidget;
class DisplayList;
class DisplayListGraphics;
class DragItem;
class Graphics;

// A control that draws itself. Each Paint fills the whole surface, so it is
// never erased first. A MouseDown that returns true takes the press and
// receives MouseDrag and MouseUp; false lets none follow.
//
// Paint is kept as a list of drawing calls, not as pixels (DisplayList).
// When Paint runs again, the new list is compared with the one shown and
// only the region where they differ is painted, from the list, straight
// into the window: a display that repaints four times a second while mostly
// standing still then costs neither the program nor the window system
// anything for the repaints that change nothing, and no more than the
// changed glyphs for those that do, whatever the size of the window.
class Canvas : public RectControl {
  public:
    Canvas(Window& owner, const QString& name);
    ~Canvas() override;

    std::function<void(::Graphics& g)> Paint;
    std::function<bool(int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseDrag;
    std::function<void(int x, int y)> MouseUp;
    std::function<void(int x, int y)> MouseMove;
    // The pointer left the canvas.
    std::function<void()> MouseExit;
    std::function<void()> Open;
    // Something was dropped on the canvas; `action` is the toolkit's
    // drop action.
    std::function<void(DragItem& obj, int action)> DropObject;

    // From now on, text dragged over the canvas may be dropped on it.
    void AcceptTextDrop();
    void RaiseOpen() override;

    // Asks for a Paint on the next turn of the event loop, or as the open
    // RefreshBatch ends; several requests before it make one Paint.
    void Refresh(bool erase = true) override;
    void RefreshNow() override { Render(); }

    // The canvas's own surface, for drawing outside Paint; what is drawn
    // shows at the next turn of the event loop, over what Paint drew, until
    // the next Paint. During Paint it is Paint's own surface.
    ::Graphics& Graphics();

  private:
    friend class CanvasWidget;
    // Runs Paint. Unless it repeated the last Paint call for call, which
    // leaves everything as it was and returns false, its new list is shown
    // from now on and the list shown until now goes to `before`. `whole`
    // paints afresh, whatever the last Paint was.
    bool Record(DisplayList* before, bool whole = false);
    // Records and asks the toolkit to paint the region that changed.
    void Render();
    // The list shown was not made at the canvas's present size and scale.
    bool Outgrown() const;
    QRect Logical(const QRect& device) const;

    CanvasWidget* mWidget;
    // What the canvas shows: its last Paint, then what was drawn outside it.
    std::unique_ptr<DisplayList> mShown;
    // The calls of the Paint that made the list shown; empty once something
    // else was drawn on it.
    std::unique_ptr<CallLog> mLog;
    std::unique_ptr<CallLog> mSpareLog;
    QSize mShownSize;
    qreal mShownScale = 0;
    std::unique_ptr<DisplayListGraphics> mOutside;
    // Paint's surface while Paint runs: what a control draws from inside its
    // Paint goes into the new list, not over the old one.
    ::Graphics* mPaintGraphics = nullptr;
    bool mRenderQueued = false;
    // The list shown holds no Paint since the window was last on the screen.
    bool mStale = true;
};
