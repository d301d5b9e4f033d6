#pragma once

#include <QFont>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QRegion>
#include <vector>

#include "graphics/GlyphCache.h"

class QPainter;

// What was drawn on a surface, kept as the drawing calls themselves rather
// than as pixels: a canvas shows a list and, when its Paint runs again,
// compares the new list with the shown one call by call. Where nothing
// differs nothing is painted again; where something does, only that region
// is painted, from the list, straight into the window. Text is kept glyph
// by glyph, so a count that changes its last digit differs by that glyph.
class DisplayList {
  public:
    struct Op {
        enum Kind { Fill, Clear, Frame, Line, Image, ScaledImage, Glyph, Text };
        Kind kind = Fill;
        QRgb color = 0;
        QRect rect;   // Fill, Clear, Frame; an image's destination
        QRect source; // ScaledImage
        QLine line;
        int penWidth = 0;
        int penHeight = 0;
        QImage image;
        GlyphCache::GlyphPtr glyph;
        QPoint pen;                        // Glyph, in device pixels
        std::shared_ptr<const QFont> font; // Text: small text, drawn by the toolkit
        QString text;
        QPointF at;
        // Device pixels the call may change, and those it surely covers
        // with opaque colour.
        QRect bounds;
        QRect covered;

        bool operator==(const Op& other) const;
    };

    // Adds a call and drops the earlier ones that it hides entirely.
    void Append(Op op);

    // Device pixels where this list and `before` may show differently.
    QRegion Difference(const DisplayList& before) const;

    // Paints the list where it meets `region` (device pixels) with a painter
    // that draws `scale` device pixels a pixel; ClearRect and anything not
    // drawn on show `background`.
    void Replay(QPainter& painter, const QRegion& region, qreal scale, QRgb background) const;

  private:
    std::vector<Op> mOps;
};
