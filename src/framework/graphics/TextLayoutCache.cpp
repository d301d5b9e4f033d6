#include "graphics/TextLayoutCache.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextLayout>
#include <limits>

namespace {
QFont MakeFont(const QString& name, int size, bool bold, bool italic) {
    QFont font;
    if (name.isEmpty() || name == QLatin1String("System") || name == QLatin1String("SmallSystem")) {
        font = QFontDatabase::systemFont(name == QLatin1String("SmallSystem")
                                             ? QFontDatabase::SmallestReadableFont
                                             : QFontDatabase::GeneralFont);
    } else {
        font = QFont(name);
    }
    if (size > 0)
        font.setPixelSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
} // namespace

TextLayoutCache& TextLayoutCache::Instance() {
    static TextLayoutCache cache;
    return cache;
}

TextLayoutCache::TextLayoutCache()
    : mFonts(kEntries), mWidths(kEntries), mHeights(kEntries), mLineMetrics(kEntries),
      mShapes(kShapes) {}

void TextLayoutCache::Clear() {
    mFonts.clear();
    mWidths.clear();
    mHeights.clear();
    mLineMetrics.clear();
    mShapes.clear();
    // Later fonts take new numbers: what was kept under the old ones ages out.
    mFontIds.clear();
}

const TextLayoutCache::FontEntry& TextLayoutCache::Font(const QString& name, int size, bool bold,
                                                        bool italic) {
    const FontKey key{name, size, bold, italic};
    if (FontEntry* entry = mFonts.object(key))
        return *entry;
    auto* entry = new FontEntry;
    entry->font = MakeFont(name, size, bold, italic);
    entry->key = entry->font.key();
    auto id = mFontIds.find(entry->key);
    if (id == mFontIds.end())
        id = mFontIds.insert(entry->key, ++mLastFontId);
    entry->id = id.value();
    mFonts.insert(key, entry);
    return *entry;
}

double TextLayoutCache::Width(const FontEntry& font, const QString& text) {
    const TextKey key{font.id, text, 0};
    if (double* width = mWidths.object(key))
        return *width;
    const double width = QFontMetricsF(font.font).horizontalAdvance(text);
    mWidths.insert(key, new double(width));
    return width;
}

int TextLayoutCache::Height(const FontEntry& font, const QString& text, double wrapWidth) {
    const int tall = std::numeric_limits<int>::max() / 2;
    const int wrap = wrapWidth > 0 && wrapWidth < tall ? static_cast<int>(wrapWidth) : tall;
    const TextKey key{font.id, text, wrap};
    if (int* height = mHeights.object(key))
        return *height;
    const int height = QFontMetrics(font.font)
                           .boundingRect(QRect(0, 0, wrap, tall), Qt::TextWordWrap, text)
                           .height();
    mHeights.insert(key, new int(height));
    return height;
}

int TextLayoutCache::Ascent(const FontEntry& font) {
    if (auto* metrics = mLineMetrics.object(font.id))
        return metrics->first;
    const QFontMetrics fm(font.font);
    mLineMetrics.insert(font.id, new QPair<int, int>(fm.ascent(), fm.height()));
    return fm.ascent();
}

int TextLayoutCache::LineHeight(const FontEntry& font) {
    Ascent(font);
    return mLineMetrics.object(font.id)->second;
}

const TextLayoutCache::Shaped& TextLayoutCache::Shape(const FontEntry& font, const QString& text) {
    const TextKey key{font.id, text, 0};
    if (Shaped* shaped = mShapes.object(key))
        return *shaped;
    // The same shaping and positions as drawText: one line, no wrapping.
    auto* shaped = new Shaped;
    QTextLayout layout(text, font.font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (line.isValid()) {
        shaped->runs = layout.glyphRuns();
        shaped->ascent = line.ascent();
    }
    mShapes.insert(key, shaped);
    return *mShapes.object(key);
}
