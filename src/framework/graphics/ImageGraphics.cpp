#include "graphics/ImageGraphics.h"

#include <QPainter>

#include "graphics/PainterGraphics.h"

template <class Fn> auto ImageGraphics::With(Fn fn) {
    QPainter painter(&mImage);
    PainterGraphics g(painter, Width(), Height());
    g.SetForeColor(mForeColor);
    g.SetTextFont(mTextFont);
    g.SetTextSize(mTextSize);
    g.SetBold(mBold);
    g.SetItalic(mItalic);
    g.SetPenWidth(mPenWidth);
    g.SetPenHeight(mPenHeight);
    return fn(g);
}

int ImageGraphics::Width() const {
    return static_cast<int>(mImage.deviceIndependentSize().width());
}

int ImageGraphics::Height() const {
    return static_cast<int>(mImage.deviceIndependentSize().height());
}

void ImageGraphics::DrawString(const QString& text, double x, double y) {
    With([&](Graphics& g) { g.DrawString(text, x, y); });
}

void ImageGraphics::FillRect(int x, int y, int width, int height) {
    With([&](Graphics& g) { g.FillRect(x, y, width, height); });
}

void ImageGraphics::DrawRect(int x, int y, int width, int height) {
    With([&](Graphics& g) { g.DrawRect(x, y, width, height); });
}

void ImageGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    With([&](Graphics& g) { g.DrawLine(x1, y1, x2, y2); });
}

void ImageGraphics::ClearRect(int x, int y, int width, int height) {
    With([&](Graphics& g) { g.ClearRect(x, y, width, height); });
}

void ImageGraphics::DrawPicture(const Picture* picture, int x, int y) {
    With([&](Graphics& g) { g.DrawPicture(picture, x, y); });
}

void ImageGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                int destHeight, int srcX, int srcY, int srcWidth, int srcHeight) {
    With([&](Graphics& g) {
        g.DrawPicture(picture, destX, destY, destWidth, destHeight, srcX, srcY, srcWidth,
                      srcHeight);
    });
}
