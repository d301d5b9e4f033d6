#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <memory>

#include "ui/Canvas.h"

// Records the regions the toolkit asks a widget to paint, once installed as
// its event filter: what of a canvas's Paints reached the screen.
class PaintSpy : public QObject {
  public:
    QList<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

// Counts the Paints `canvas` runs from now on, by wrapping its handler.
inline std::shared_ptr<int> CountPaints(Canvas& canvas) {
    auto count = std::make_shared<int>(0);
    canvas.Paint = [count, paint = canvas.Paint](Graphics& g) {
        ++*count;
        paint(g);
    };
    return count;
}
