#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>

#include "ui/Control.h"

class CanvasWidget;
class DragItem;
class Graphics;
class ImageGraphics;

// A control that draws itself. Each Paint fills the whole surface, so it is
// never erased first. A MouseDown that returns true takes the press and
// receives MouseDrag and MouseUp; false lets none follow.
//
// The canvas is double-buffered: Paint draws into an image the canvas
// keeps, and only the rows that came out different from the last Paint are
// handed on to the screen. A display that repaints four times a second
// while mostly standing still then costs the window system almost nothing.
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

    // Asks for a Paint on the next turn of the event loop; several requests
    // before it make one Paint.
    void Refresh(bool erase = true) override;

    // The canvas's own surface, for drawing outside Paint; what is drawn
    // shows at the next turn of the event loop. During Paint it is Paint's.
    ::Graphics& Graphics();

    // How many Paints ran and how many of them changed what is shown: for
    // tests and benchmarks.
    int Paints() const { return mPaints; }
    int ChangedPaints() const { return mChangedPaints; }

private:
    friend class CanvasWidget;
    // Runs Paint into the surface; the rows that changed, in device pixels.
    QRect RenderSurface();
    // Renders and asks the toolkit to show the rows that changed.
    void Render();
    // Sizes the surface to the canvas, keeping what it can.
    void FitSurface();
    QRect ChangedRows();

    CanvasWidget* mWidget;
    QImage mSurface;
    std::unique_ptr<ImageGraphics> mSurfaceGraphics;
    // Paint's surface while Paint runs: the surface then has a painter open,
    // and a second one on it would draw nothing.
    ::Graphics* mPaintGraphics = nullptr;
    // The surface as last handed on to the screen; null: show it all.
    QImage mShown;
    bool mRenderQueued = false;
    // The surface holds no Paint at the canvas's present size.
    bool mStale = true;
    int mPaints = 0;
    int mChangedPaints = 0;
};
