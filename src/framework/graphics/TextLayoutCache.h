#pragma once

#include <QCache>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

// Fonts, measurements and shaped glyph runs, kept per font and text.
// Measuring and laying out text (shaping it) is most of the cost of a
// repaint that measures the same few texts at the same few sizes every
// time; the answers for a font and a text never change, so they are worked
// out once, as a text renderer does, and given back unchanged.
class TextLayoutCache {
  public:
    // A font made for a drawing state, with the key the caches use for it.
    struct FontEntry {
        QFont font;
        QString key;
        // The same for every font with the same key: hashing a number at each
        // lookup costs less than hashing the key's text.
        int id = 0;
    };
    // One line of text laid out as drawText lays it out.
    struct Shaped {
        QList<QGlyphRun> runs;
        double ascent = 0; // of the line, for placing it on a baseline
    };

    static TextLayoutCache& Instance();

    // The font for a font name, size and style ("System" and "SmallSystem"
    // stand for the desktop's interface font; size 0 the standard size).
    const FontEntry& Font(const QString& name, int size, bool bold, bool italic);
    double Width(const FontEntry& font, const QString& text);
    // Height in whole pixels of `text` wrapped at `wrapWidth` (0: no wrap).
    int Height(const FontEntry& font, const QString& text, double wrapWidth);
    int Ascent(const FontEntry& font);
    int LineHeight(const FontEntry& font);
    const Shaped& Shape(const FontEntry& font, const QString& text);

    // Forgets everything: the desktop's fonts changed.
    void Clear();

  private:
    TextLayoutCache();

    // Keys are plain values: building key strings would cost about as much
    // as some of the measurements they save.
    struct FontKey {
        QString name;
        int size;
        bool bold;
        bool italic;
        friend bool operator==(const FontKey&, const FontKey&) = default;
        friend size_t qHash(const FontKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.name, k.size, k.bold, k.italic);
        }
    };
    struct TextKey {
        int font; // FontEntry::id
        QString text;
        int wrap;
        friend bool operator==(const TextKey&, const TextKey&) = default;
        friend size_t qHash(const TextKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.font, k.text, k.wrap);
        }
    };

    static constexpr int kEntries = 2048;
    // A count-down shapes a text it never shows again each second: kept
    // shapes beyond the last few would only pile up over the hours.
    static constexpr int kShapes = 64;
    QCache<FontKey, FontEntry> mFonts;
    QCache<TextKey, double> mWidths;
    QCache<TextKey, int> mHeights;
    QCache<int, QPair<int, int>> mLineMetrics; // ascent, line height
    QHash<QString, int> mFontIds;
    int mLastFontId = 0;
    QCache<TextKey, Shaped> mShapes;
};
