#include "graphics/DisplayList.h"

#include <QPainter>

#include "graphics/PainterGraphics.h"

namespace {
// Draws in device pixels for its lifetime: kept glyphs and the background
// are placed pixel for pixel, whatever the scale.
class DevicePixels {
  public:
    DevicePixels(QPainter& painter, qreal scale) : mPainter(painter) {
        mPainter.save();
        mPainter.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
    }
    ~DevicePixels() { mPainter.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

  private:
    QPainter& mPainter;
};

void Paint(QPainter& painter, const DisplayList::Op& op, qreal scale, QRgb background) {
    using Op = DisplayList::Op;
    switch (op.kind) {
    case Op::Fill:
        PainterGraphics::PaintFill(painter, op.rect, op.color);
        break;
    case Op::Clear:
        PainterGraphics::PaintFill(painter, op.rect, background);
        break;
    case Op::Frame:
        PainterGraphics::PaintFrame(painter, op.rect, op.color, op.penWidth, op.penHeight);
        break;
    case Op::Line:
        PainterGraphics::PaintLine(painter, op.line, op.color, op.penWidth);
        break;
    case Op::Image:
        PainterGraphics::PaintImage(painter, op.image, op.rect.topLeft());
        break;
    case Op::ScaledImage:
        PainterGraphics::PaintImage(painter, op.image, op.rect, op.source);
        break;
    case Op::Glyph: {
        DevicePixels device(painter, scale);
        GlyphCache::Instance().Blend(painter, *op.glyph, op.pen, op.color);
        break;
    }
    case Op::Text:
        painter.setFont(*op.font);
        painter.setPen(QColor(op.color));
        painter.drawText(op.at, op.text);
        break;
    }
}
} // namespace

bool DisplayList::Op::operator==(const Op& other) const {
    return kind == other.kind && color == other.color && rect == other.rect &&
           source == other.source && line == other.line && penWidth == other.penWidth &&
           penHeight == other.penHeight && image.cacheKey() == other.image.cacheKey() &&
           glyph == other.glyph && pen == other.pen && text == other.text && at == other.at &&
           (kind != Text || *font == *other.font);
}

void DisplayList::Append(Op op) {
    if (!op.covered.isEmpty())
        std::erase_if(mOps, [&](const Op& hidden) { return op.covered.contains(hidden.bounds); });
    mOps.push_back(std::move(op));
}

QRegion DisplayList::Difference(const DisplayList& before) const {
    // A pixel outside every differing call is drawn by the same calls in the
    // same order in both lists, so it comes out the same.
    QRegion changed;
    const size_t count = std::max(mOps.size(), before.mOps.size());
    for (size_t i = 0; i < count; ++i) {
        const Op* now = i < mOps.size() ? &mOps[i] : nullptr;
        const Op* was = i < before.mOps.size() ? &before.mOps[i] : nullptr;
        if (now && was && *now == *was)
            continue;
        if (now)
            changed += now->bounds;
        if (was)
            changed += was->bounds;
    }
    return changed;
}

void DisplayList::Replay(QPainter& painter, const QRegion& region, qreal scale,
                         QRgb background) const {
    // Everything under the last call that covers the whole region is hidden.
    const QRect area = region.boundingRect();
    size_t first = mOps.size();
    while (first > 0 && !mOps[first - 1].covered.contains(area))
        --first;
    if (first == 0) {
        DevicePixels device(painter, scale);
        for (const QRect& rect : region)
            PainterGraphics::PaintFill(painter, rect, background);
    } else {
        --first;
    }
    for (size_t i = first; i < mOps.size(); ++i)
        if (region.intersects(mOps[i].bounds))
            Paint(painter, mOps[i], scale, background);
}
