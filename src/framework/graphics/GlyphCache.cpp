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
} // namespace

// Cuts the transparent margin off a rendered glyph: every repaint blits it,
// and the margin left room for slant and weight that most glyphs never use.
static void Trim(GlyphCache::Glyph& glyph) {
    const QImage& image = glyph.image;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) { // nothing inked: a blank
        glyph.image = QImage();
        return;
    }
    const QRect inked(left, top, right - left + 1, bottom - top + 1);
    glyph.image = image.copy(inked);
    glyph.offset += inked.topLeft();
}

GlyphCache& GlyphCache::Instance() {
    static GlyphCache cache;
    return cache;
}

const GlyphCache::Glyph* GlyphCache::Render(const Key& key, const QRawFont& font) {
    const QPointF sub(key.fracX / 64.0, key.fracY / 64.0);
    // Room for the anti-aliased edge and for any synthesized slant or weight.
    const int margin = 2 + static_cast<int>(font.pixelSize()) / 16;
    const QRect box = font.boundingRect(key.glyph)
                          .translated(sub)
                          .toAlignedRect()
                          .adjusted(-margin, -margin, margin, margin);
    auto glyph = std::make_unique<Glyph>();
    glyph->offset = box.topLeft();
    glyph->image = QImage(box.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    glyph->image.fill(Qt::transparent);
    {
        QPainter painter(&glyph->image);
        painter.setPen(QColor::fromRgba(key.color));
        painter.drawGlyphRun(sub - QPointF(box.topLeft()), SingleGlyph(font, key.glyph));
    }
    ++mRendered;
    Trim(*glyph);
    const Glyph* kept = glyph.get();
    const qint64 cost = glyph->image.sizeInBytes();
    // A glyph larger than the whole cache is not kept (QCache deletes it).
    return mGlyphs.insert(key, glyph.release(), cost) ? kept : nullptr;
}

void GlyphCache::DrawText(QPainter& painter, const TextLayoutCache::FontEntry& font,
                          QPointF baseline, const QString& text, const QColor& color) {
    if (font.font.pixelSize() < kSmallestCachedSize || !painter.deviceTransform().isIdentity()) {
        painter.setFont(font.font);
        painter.setPen(color);
        painter.drawText(baseline, text);
        return;
    }
    const TextLayoutCache::Shaped& shaped = TextLayoutCache::Instance().Shape(font, text);
    const QPointF origin(baseline.x(), baseline.y() - shaped.ascent);
    const QString& fontKey = font.key;
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QPointF at = origin + positions[i];
            const double wholeX = std::floor(at.x());
            const double wholeY = std::floor(at.y());
            const Key key{fontKey, indexes[i], color.rgba(),
                          static_cast<int>(std::lround((at.x() - wholeX) * 64)),
                          static_cast<int>(std::lround((at.y() - wholeY) * 64))};
            const Glyph* glyph = mGlyphs.object(key);
            if (!glyph)
                glyph = Render(key, raw);
            if (glyph) {
                if (!glyph->image.isNull())
                    painter.drawImage(QPoint(int(wholeX), int(wholeY)) + glyph->offset, glyph->image);
                ++mBlitted;
            } else {
                painter.setPen(color);
                painter.drawGlyphRun(at, SingleGlyph(raw, indexes[i]));
            }
        }
    }
}
