#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "Control.h"

class Graphics;
class CanvasWidget;
class ImageGraphics;

// A control that draws itself. Each Paint fills the whole surface, so the
// toolkit never erases it first; the toolkit's backing store makes it
// double-buffered. A MouseDown that returns true takes the press and
// receives MouseDrag and MouseUp; false lets none follow.
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

    // The canvas's own surface, for drawing outside Paint; what is drawn
    // shows at the next turn of the event loop. From its first use on, the
    // canvas keeps its pixels in an image of its own, which Paint draws
    // into as well, so both kinds of drawing land on one surface.
    ::Graphics& Graphics();

private:
    friend class CanvasWidget;
    // Sizes the retained surface to the canvas, keeping what it can.
    void FitSurface();

    CanvasWidget* mWidget;
    QImage mSurface;
    std::unique_ptr<ImageGraphics> mSurfaceGraphics;
};
