#include "graphics/Picture.h"

#include <QFile>
#include <QImageReader>

#include "graphics/ImageGraphics.h"

Picture::Picture(int width, int height)
    : mImage(std::max(1, width), std::max(1, height), QImage::Format_ARGB32) {
    mImage.fill(Qt::white);
}

Picture::Picture(QImage image) : mImage(image.convertToFormat(QImage::Format_ARGB32)) {}

Picture::~Picture() = default;

Picture* Picture::Mask(bool create) {
    if (!mMask && create) {
        mMask = std::make_unique<Picture>(Width(), Height());
        mMask->mImage.fill(Qt::black);
    }
    return mMask.get();
}

Graphics& Picture::Graphics() {
    if (!mGraphics)
        mGraphics = std::make_unique<ImageGraphics>(mImage);
    return *mGraphics;
}

QImage Picture::Composed() const {
    if (!mMask)
        return mImage;
    // A QImage's cache key changes whenever its pixels may have changed.
    if (!mComposed.isNull() && mComposedImageKey == mImage.cacheKey() &&
        mComposedMaskKey == mMask->mImage.cacheKey())
        return mComposed;
    mComposedImageKey = mImage.cacheKey();
    mComposedMaskKey = mMask->mImage.cacheKey();
    QImage out = mImage.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = mMask->mImage.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* mk =
            y < mask.height() ? reinterpret_cast<const QRgb*>(mask.constScanLine(y)) : nullptr;
        for (int x = 0; x < out.width(); ++x) {
            // Black is opaque: the mask's darkness is the alpha.
            const int alpha = (mk && x < mask.width()) ? 255 - qGray(mk[x]) : 255;
            px[x] = qRgba(qRed(px[x]), qGreen(px[x]), qBlue(px[x]), alpha * qAlpha(px[x]) / 255);
        }
    }
    mComposed = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return mComposed;
}

std::unique_ptr<Picture> NewPicture(int width, int height, int) {
    return std::make_unique<Picture>(width, height);
}

namespace {
PictureFileRecord* gRecord = nullptr;
} // namespace

std::unique_ptr<Picture> OpenAsPicture(const QString& path) {
    if (gRecord)
        gRecord->paths << path;
    // Exactly the file named, read as a BMP: given a name, the toolkit's
    // reader would also try it with each image suffix added when it is
    // missing, and read whatever format it found.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QImageReader reader(&file, QByteArrayLiteral("bmp"));
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return std::make_unique<Picture>(std::move(image));
}

PictureFileRecord::PictureFileRecord() {
    gRecord = this;
}

PictureFileRecord::~PictureFileRecord() {
    if (gRecord == this)
        gRecord = nullptr;
}
