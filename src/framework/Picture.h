#pragma once

#include <QImage>
#include <memory>

// A picture in memory (32-bit ARGB). Its mask, once it has one, decides
// each pixel's opacity: black opaque, white transparent, grey between.
class Picture {
public:
    Picture(int width, int height);
    explicit Picture(QImage image);
    ~Picture();

    int Width() const { return mImage.width(); }
    int Height() const { return mImage.height(); }

    // The mask picture; made (all black: fully opaque) when `create` and
    // there is none yet, else nullptr when there is none.
    Picture* Mask(bool create = true);

    // The pixels with the mask turned into alpha, for drawing.
    QImage Composed() const;
    QImage& Image() { return mImage; }
    const QImage& Image() const { return mImage; }

private:
    QImage mImage;
    std::unique_ptr<Picture> mMask;
};
