#pragma once

#include <QFont>
#include <QRgb>

#include "graphics/MeasuredGraphics.h"

class QImage;
class QLine;
class QPoint;
class QPainter;
class QRect;

// The real surface: paints with a QPainter that the caller keeps open for
// the life of this object.
class PainterGraphics : public MeasuredGraphics {
  public:
    PainterGraphics(QPainter& painter, int width, int height);

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }

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

    // How each drawing call paints, shared with the canvas, which paints
    // what it recorded of them later.
    static void PaintFill(QPainter& painter, const QRect& rect, QRgb color);
    static void PaintFrame(QPainter& painter, const QRect& rect, QRgb color, int penWidth,
                           int penHeight);
    static void PaintLine(QPainter& painter, const QLine& line, QRgb color, int penWidth);
    static void PaintClear(QPainter& painter, const QRect& rect);
    static void PaintImage(QPainter& painter, const QImage& image, const QPoint& at);
    // The `source` rectangle of `image` scaled into `dest`.
    static void PaintImage(QPainter& painter, const QImage& image, const QRect& dest,
                           const QRect& source);

  private:
    QPainter& mPainter;
    int mWidth;
    int mHeight;
};
