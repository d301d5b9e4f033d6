#pragma once

#include <QCache>
#include <QFont>
#include <QImage>
#include <QPoint>

#include "graphics/TextLayoutCache.h"

class QPainter;
class QRawFont;

// Rendered glyphs of large text, kept and blitted. Qt keeps rendered glyphs
// only up to a modest pixel size and turns larger ones into outlines and
// fills them afresh at every drawText, which is most of the cost of a
// repaint of the time display. Here each glyph is rendered once per font,
// colour and sub-pixel position, by the same painter path that drawText
// takes, so the blitted result is the same as drawText's.
class GlyphCache {
public:
    // Glyphs up to this pixel size are left to Qt's own cache.
    static constexpr int kSmallestCachedSize = 65;
    // Bytes of rendered glyphs kept, the least recently used going first.
    static constexpr qint64 kCapacity = 64 * 1024 * 1024;

    static GlyphCache& Instance();

    // Draws `text` as drawText(baseline, text) with `font` and `color` would.
    void DrawText(QPainter& painter, const TextLayoutCache::FontEntry& font, QPointF baseline,
                  const QString& text, const QColor& color);

    // How many glyphs were rendered (cache misses) and blitted, for tests.
    qint64 Rendered() const { return mRendered; }
    qint64 Blitted() const { return mBlitted; }
    void Clear() { mGlyphs.clear(); }

    struct Glyph {
        QImage image;  // premultiplied; null for a glyph that inks nothing
        QPoint offset; // of the image's top-left from the whole-pixel pen position
    };

private:
    struct Key {
        QString font;
        quint32 glyph;
        QRgb color;
        int fracX; // sub-pixel position in 1/64 pixel
        int fracY;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& k, size_t seed = 0) {
            return qHashMulti(seed, k.font, k.glyph, k.color, k.fracX, k.fracY);
        }
    };
    GlyphCache() : mGlyphs(kCapacity) {}
    // Renders and keeps the glyph of `key`; nullptr when it is too large to keep.
    const Glyph* Render(const Key& key, const QRawFont& font);

    QCache<Key, Glyph> mGlyphs;
    qint64 mRendered = 0;
    qint64 mBlitted = 0;
};
