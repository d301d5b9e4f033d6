#pragma once

#include <functional>

#include "Control.h"

class Graphics;
class CanvasWidget;

// A control that draws itself. Each Paint fills the whole surface, so the
// toolkit never erases it first; the toolkit's backing store makes it
// double-buffered. A MouseDown that returns true takes the press and
// receives MouseDrag and MouseUp; false lets none follow.
class Canvas : public RectControl {
public:
    Canvas(Window& owner, const QString& name);

    std::function<void(Graphics& g)> Paint;
    std::function<bool(int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseDrag;
    std::function<void(int x, int y)> MouseUp;
    std::function<void(int x, int y)> MouseMove;
    // The pointer left the canvas.
    std::function<void()> MouseExit;

private:
    friend class CanvasWidget;
    CanvasWidget* mWidget;
};
