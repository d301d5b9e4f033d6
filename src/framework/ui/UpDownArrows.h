#pragma once

#include <functional>

#include "ui/Control.h"

// A pair of small arrows, up over down. Held down, an arrow repeats. The
// arrows never take the keyboard focus, so it stays where the user left it.
class UpDownArrows : public RectControl {
  public:
    UpDownArrows(Window& owner, const QString& name);

    std::function<void()> Up;
    std::function<void()> Down;
};
