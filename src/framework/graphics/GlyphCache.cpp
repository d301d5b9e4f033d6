#include "graphics/GlyphCache.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <cmath>

namespace {
QGlyphRun SingleGlyph(const QRawFont& font, quint32 index) {
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({index});
    run.setPositions({QPointF(0, 0)});
    return run;
}

// A premultiplied pixel times a coverage, rounded as Qt's rasteriser rounds
// a solid colour by the coverage of a span: the blended mask then gives the
// very pixels that filling the glyph's outline in that colour gives.
inline quint32 ByteMul(quint32 pixel, quint32 coverage) {
    quint64 t = ((quint64(pixel) | (quint64(pixel) << 24)) & 0x00ff00ff00ff00ffULL) * coverage;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return quint32(t) | quint32(t >> 24);
}

// The box of the inked pixels of a coverage mask; empty when none is.
QRect Inked(const QImage& coverage) {
    int left = coverage.width(), right = -1, top = coverage.height(), bottom = -1;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* row = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x) {
            if (!row[x])
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(left, top, right - left + 1, bottom - top + 1);
}
} // namespace

GlyphCache& GlyphCache::Instance() {
    static GlyphCache cache;
    return cache;
}

bool GlyphCache::Keeps(const TextLayoutCache::FontEntry& font, qreal scale) {
    return font.font.pixelSize() > 0 && font.font.pixelSize() * scale >= kSmallestCachedSize;
}

GlyphCache::GlyphPtr GlyphCache::Render(const QRawFont& font, quint32 index, QPointF sub,
                                        qreal scale) {
    // Room for the anti-aliased edge and for any synthesized slant or weight;
    // the margin is cut off again below, as every repaint blends the mask.
    const int margin = 2 + static_cast<int>(font.pixelSize() * scale) / 16;
    const QRectF bounds = font.boundingRect(index);
    const QRect box = QRectF(bounds.topLeft() * scale, bounds.size() * scale)
                          .translated(sub)
                          .toAlignedRect()
                          .adjusted(-margin, -margin, margin, margin);
    // Painted in white onto nothing, each pixel's alpha is the coverage. The
    // painter is much quicker on 32-bit pixels than on one byte a pixel.
    QImage image(box.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(Qt::white);
        const QPointF at = sub - QPointF(box.topLeft());
        if (scale == 1) {
            painter.drawGlyphRun(at, SingleGlyph(font, index));
        } else {
            // The path a scaled painter's drawText takes.
            painter.translate(at);
            painter.scale(scale, scale);
            painter.drawGlyphRun(QPointF(0, 0), SingleGlyph(font, index));
        }
    }
    ++mRendered;
    auto glyph = std::make_shared<Glyph>();
    const QImage coverage = image.convertToFormat(QImage::Format_Alpha8);
    const QRect inked = Inked(coverage);
    if (!inked.isEmpty()) {
        glyph->coverage = coverage.copy(inked);
        glyph->offset = box.topLeft() + inked.topLeft();
    }
    return glyph;
}

GlyphCache::GlyphPtr GlyphCache::Find(const QRawFont& font, int fontId, quint32 index, QPointF pen,
                                      qreal scale, QPoint* whole) {
    int wholeX = static_cast<int>(std::floor(pen.x()));
    int wholeY = static_cast<int>(std::floor(pen.y()));
    int fracX = static_cast<int>(std::lround((pen.x() - wholeX) * 64));
    int fracY = static_cast<int>(std::lround((pen.y() - wholeY) * 64));
    if (fracX == 64)
        ++wholeX, fracX = 0;
    if (fracY == 64)
        ++wholeY, fracY = 0;
    *whole = QPoint(wholeX, wholeY);
    const Key key{fontId, index, static_cast<int>(std::lround(scale * 64)), fracX, fracY};
    if (const GlyphPtr* kept = mGlyphs.object(key))
        return *kept;
    GlyphPtr glyph = Render(font, index, QPointF(fracX / 64.0, fracY / 64.0), scale);
    const qint64 cost = std::max<qint64>(1, glyph->coverage.sizeInBytes());
    // A glyph larger than the whole cache is not kept, only used.
    mGlyphs.insert(key, new GlyphPtr(glyph), cost);
    return glyph;
}

void GlyphCache::Blend(QPainter& painter, const Glyph& glyph, QPoint pen, QRgb color) {
    ++mBlitted;
    if (glyph.coverage.isNull())
        return;
    // Coloured a band of rows at a time: a full-screen glyph coloured whole
    // would need a scratch image of a few megabytes.
    const QSize size = glyph.coverage.size();
    if (mScratch.width() < size.width())
        mScratch = QImage(size.width(), kBandRows, QImage::Format_ARGB32_Premultiplied);
    const quint32 opaque = 0xff000000u | color;
    const QPoint at = pen + glyph.offset;
    for (int top = 0; top < size.height(); top += kBandRows) {
        const int rows = std::min(kBandRows, size.height() - top);
        for (int y = 0; y < rows; ++y) {
            const uchar* cover = glyph.coverage.constScanLine(top + y);
            auto* out = reinterpret_cast<quint32*>(mScratch.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                out[x] = cover[x] == 255 ? opaque : ByteMul(opaque, cover[x]);
        }
        painter.drawImage(at + QPoint(0, top), mScratch, QRect(0, 0, size.width(), rows));
    }
}

void GlyphCache::DrawText(QPainter& painter, const TextLayoutCache::FontEntry& font,
                          QPointF baseline, const QString& text, const QColor& color) {
    if (!Keeps(font, 1) || !painter.deviceTransform().isIdentity()) {
        painter.setFont(font.font);
        painter.setPen(color);
        painter.drawText(baseline, text);
        return;
    }
    const TextLayoutCache::Shaped& shaped = TextLayoutCache::Instance().Shape(font, text);
    const QPointF origin(baseline.x(), baseline.y() - shaped.ascent);
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            QPoint whole;
            const GlyphPtr glyph = Find(raw, font.id, indexes[i], origin + positions[i], 1, &whole);
            Blend(painter, *glyph, whole, color.rgb());
        }
    }
}
