#pragma once

#include <functional>

#include "graphics/DisplayList.h"
#include "graphics/MeasuredGraphics.h"

// A surface that keeps each drawing call in a display list instead of
// painting it, for a canvas to show. Measurements are the real painter's.
class DisplayListGraphics : public MeasuredGraphics {
  public:
    // Draws into `list`, `scale` device pixels a pixel.
    DisplayListGraphics(DisplayList& list, int width, int height, qreal scale);

    // The canvas changed size or screen.
    void Resize(int width, int height, qreal scale);
    // Called with the device pixels of each call as it is kept.
    std::function<void(const QRect&)> Drawn;

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
    // A picture's composed pixels, as DrawPicture draws them.
    void DrawImage(const QImage& image, int x, int y);
    void DrawImage(const QImage& image, const QRect& dest, const QRect& source);

  private:
    // Keeps `op`, which may change the device pixels in `device`.
    void Keep(DisplayList::Op op, const QRectF& device, bool opaque);
    QRectF Device(const QRectF& rect) const;
    DisplayList::Op Colored(DisplayList::Op::Kind kind) const;

    DisplayList& mList;
    int mWidth;
    int mHeight;
    qreal mScale;
};
