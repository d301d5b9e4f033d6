#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

class Graphics;
class ImageGraphics;

// A picture in memory (32-bit ARGB). Its mask, once it has one, decides
// each pixel's opacity: black opaque, white transparent, grey between.
class Picture {
  public:
    Picture(int width, int height);
    explicit Picture(QImage image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return mImage.width(); }
    int Height() const { return mImage.height(); }

    // The mask picture; made (all black: fully opaque) when `create` and
    // there is none yet, else nullptr when there is none.
    Picture* Mask(bool create = true);

    // A surface that draws into this picture's pixels (not its mask).
    ::Graphics& Graphics();

    // The pixels with the mask turned into alpha, for drawing. Kept until
    // the picture or its mask changes: the state icons are drawn at every
    // repaint.
    QImage Composed() const;
    QImage& Image() { return mImage; }
    const QImage& Image() const { return mImage; }

  private:
    QImage mImage;
    std::unique_ptr<Picture> mMask;
    std::unique_ptr<ImageGraphics> mGraphics;
    // Composed() as last made, and the versions of the pixels it was made of.
    mutable QImage mComposed;
    mutable qint64 mComposedImageKey = 0;
    mutable qint64 mComposedMaskKey = 0;
};

// A new picture for drawing off-screen, white and without a mask. Every
// depth is held as 32 bits.
std::unique_ptr<Picture> NewPicture(int width, int height, int depth = 32);

// The picture in the BMP file at `path`; nullptr when the file is missing
// or cannot be decoded as a BMP.
std::unique_ptr<Picture> OpenAsPicture(const QString& path);

// Every path OpenAsPicture is asked for while the record lives, found or
// not, in order: lets a test see which files a drawing read. The newest
// record takes the place of any other; while none lives, as in the
// program, nothing is kept.
class PictureFileRecord {
  public:
    PictureFileRecord();
    ~PictureFileRecord();
    PictureFileRecord(const PictureFileRecord&) = delete;
    PictureFileRecord& operator=(const PictureFileRecord&) = delete;

    QStringList paths;
};
