#pragma once

#include <QImage>

#include "graphics/MeasuredGraphics.h"

// A surface that draws into an image it does not own: a picture's pixels.
// Each call paints with a painter of its own, so no painter stays open on
// the image between calls and the image may be copied, drawn or replaced at
// any time.
class ImageGraphics : public MeasuredGraphics {
  public:
    explicit ImageGraphics(QImage& image) : mImage(image) {}

    int Width() const override;
    int Height() const override;

    void DrawString(const QString& text, double x, double y) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void ClearRect(int x, int y, int width, int height) override;
    void DrawPicture(const Picture* picture, int x, int y) override;
    void DrawPicture(const Picture* picture, int destX, int destY, int destWidth, int destHeight,
                     int srcX, int srcY, int srcWidth, int srcHeight) override;

  private:
    // Runs `fn` on a painter surface that holds this surface's drawing state.
    template <class Fn> auto With(Fn fn);

    QImage& mImage;
};
