#pragma once

#include <QCache>
#include <QImage>
#include <QPoint>
#include <memory>

#include "graphics/TextLayoutCache.h"

class QPainter;
class QRawFont;

// Glyphs of large text, rendered once and blended at every repaint. Qt
// keeps rendered glyphs only up to a modest pixel size and turns larger
// ones into outlines and fills them afresh at every drawText, which is most
// of the cost of a repaint of the time display. Here each glyph is rendered
// once per font, scale and sub-pixel position, by the same painter path
// that drawText takes, and kept as its coverage alone, one byte a pixel:
// one mask serves every colour (the shadow's and the digits' alike), so a
// full-screen display keeps a few megabytes of glyphs, not a coloured copy
// of each glyph per colour.
class GlyphCache {
  public:
    // Glyphs below this size in device pixels are left to Qt's own cache.
    static constexpr int kSmallestCachedSize = 65;
    // Bytes of masks kept, the least recently used going first.
    static constexpr qint64 kCapacity = 24 * 1024 * 1024;

    struct Glyph {
        QImage coverage; // Format_Alpha8; null for a glyph that inks nothing
        QPoint offset;   // of the mask's top-left from the whole-pixel pen position
    };
    // Shared, so that a drawing that still shows a glyph keeps it when the
    // cache lets it go.
    using GlyphPtr = std::shared_ptr<const Glyph>;

    static GlyphCache& Instance();

    // Whether text in `font` at `scale` device pixels a pixel is drawn from
    // kept glyphs.
    static bool Keeps(const TextLayoutCache::FontEntry& font, qreal scale);

    // The glyph `index` of `font` (known by `fontId`) with its pen at `pen`
    // in device pixels, `scale` device pixels a pixel; `whole` receives the
    // whole-pixel pen position the glyph is placed from.
    GlyphPtr Find(const QRawFont& font, int fontId, quint32 index, QPointF pen, qreal scale,
                  QPoint* whole);

    // Blends `glyph` in `color` with its pen at the whole device pixel `pen`.
    // The painter must draw in device pixels (an identity device transform).
    void Blend(QPainter& painter, const Glyph& glyph, QPoint pen, QRgb color);

    // Draws `text` as drawText(baseline, text) with `font` and `color` would.
    void DrawText(QPainter& painter, const TextLayoutCache::FontEntry& font, QPointF baseline,
                  const QString& text, const QColor& color);

    // How many glyphs were rendered (cache misses) and blended, for tests.
    qint64 Rendered() const { return mRendered; }
    qint64 Blitted() const { return mBlitted; }
    void Clear() { mGlyphs.clear(); }

  private:
    struct Key {
        int font; // TextLayoutCache::FontEntry::id
        quint32 glyph;
        int scale; // device pixels a pixel, in 1/64
        int fracX; // sub-pixel position in 1/64 device pixel
        int fracY;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& k, size_t seed = 0) {
            return qHashMulti(seed, k.font, k.glyph, k.scale, k.fracX, k.fracY);
        }
    };
    GlyphCache() : mGlyphs(kCapacity) {}
    GlyphPtr Render(const QRawFont& font, quint32 index, QPointF subPixel, qreal scale);

    QCache<Key, GlyphPtr> mGlyphs;
    // Rows of a coloured glyph, kept so that each blend does not ask for
    // fresh memory.
    static constexpr int kBandRows = 32;
    QImage mScratch;
    qint64 mRendered = 0;
    qint64 mBlitted = 0;
};
