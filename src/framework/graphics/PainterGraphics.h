#pragma once

#include <QFont>

#include "graphics/Graphics.h"
#include "graphics/TextLayoutCache.h"

class QPainter;

// The real surface: paints with a QPainter that the caller keeps open for
// the life of this object.
class PainterGraphics : public Graphics {
public:
    PainterGraphics(QPainter& painter, int width, int height);

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }

    double StringWidth(const QString& text) override;
    int StringHeight(const QString& text, double wrapWidth) override;
    int TextAscent() override;
    int TextHeight() override;

    void DrawString(const QString& text, double x, double y) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void ClearRect(int x, int y, int width, int height) override;
    void DrawPicture(const Picture* picture, int x, int y) override;
    void DrawPicture(const Picture* picture, int destX, int destY, int destWidth, int destHeight,
                     int srcX, int srcY, int srcWidth, int srcHeight) override;

    // The toolkit font for a font name, size and style. "System" and
    // "SmallSystem" stand for the desktop's own interface font.
    static QFont FontFor(const QString& name, int size, bool bold, bool italic);

private:
    const TextLayoutCache::FontEntry& CurrentFont();

    QPainter& mPainter;
    int mWidth;
    int mHeight;
    // The font of the last drawing state, looked up again when it changes.
    TextLayoutCache::FontEntry mFont;
    QString mFontName;
    int mFontSize = -1;
    bool mFontBold = false;
    bool mFontItalic = false;
};
