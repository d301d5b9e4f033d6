#include "graphics/DisplayListGraphics.h"

#include <QGlyphRun>
#include <QRawFont>
#include <cmath>

#include "graphics/Picture.h"

namespace {
// Whether every pixel of `image` is opaque.
bool Opaque(const QImage& image) {
    if (!image.hasAlphaChannel())
        return true;
    // A masked picture comes premultiplied, and its alpha reads the same as
    // unpremultiplied: converting it would copy its pixels at every repaint.
    const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}
} // namespace

DisplayListGraphics::DisplayListGraphics(DisplayList& list, int width, int height, qreal scale)
    : mList(list), mWidth(width), mHeight(height), mScale(scale) {}

void DisplayListGraphics::Resize(int width, int height, qreal scale) {
    mWidth = width;
    mHeight = height;
    mScale = scale;
}

DisplayList::Op DisplayListGraphics::Colored(DisplayList::Op::Kind kind) const {
    DisplayList::Op op;
    op.kind = kind;
    op.color = 0xff000000u | mForeColor.Value();
    return op;
}

QRectF DisplayListGraphics::Device(const QRectF& rect) const {
    return QRectF(rect.topLeft() * mScale, rect.size() * mScale);
}

// An opaque call covers the device pixels wholly inside `device`.
void DisplayListGraphics::Keep(DisplayList::Op op, const QRectF& given, bool opaque) {
    const QRectF device = given.normalized();
    op.bounds = device.toAlignedRect();
    if (opaque && !device.isEmpty()) {
        const QPoint topLeft(int(std::ceil(device.left())), int(std::ceil(device.top())));
        const QPoint end(int(std::floor(device.right())), int(std::floor(device.bottom())));
        op.covered = QRect(topLeft, end - QPoint(1, 1));
    }
    const QRect drawn = op.bounds;
    mList.Append(std::move(op));
    if (Drawn)
        Drawn(drawn);
}

void DisplayListGraphics::DrawString(const QString& text, double x, double y) {
    const TextLayoutCache::FontEntry& font = CurrentFont();
    const TextLayoutCache::Shaped& shaped = TextLayoutCache::Instance().Shape(font, text);
    const QPointF origin(x, y - shaped.ascent);
    if (!GlyphCache::Keeps(font, mScale)) {
        // Small text: the toolkit's own glyph cache draws it, whole.
        const int margin = 2 + font.font.pixelSize() / 16;
        QRectF inked;
        for (const QGlyphRun& run : shaped.runs)
            inked |= run.boundingRect();
        DisplayList::Op op = Colored(DisplayList::Op::Text);
        op.font = std::make_shared<const QFont>(font.font);
        op.text = text;
        op.at = QPointF(x, y);
        Keep(std::move(op),
             Device(inked.translated(origin).adjusted(-margin, -margin, margin, margin)), false);
        return;
    }
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            DisplayList::Op op = Colored(DisplayList::Op::Glyph);
            op.glyph = GlyphCache::Instance().Find(
                raw, font.id, indexes[i], (origin + positions[i]) * mScale, mScale, &op.pen);
            if (op.glyph->coverage.isNull())
                continue;
            const QRectF device(op.pen + op.glyph->offset, op.glyph->coverage.size());
            Keep(std::move(op), device, false);
        }
    }
}

void DisplayListGraphics::FillRect(int x, int y, int width, int height) {
    DisplayList::Op op = Colored(DisplayList::Op::Fill);
    op.rect = QRect(x, y, width, height);
    Keep(std::move(op), Device(QRectF(x, y, width, height)), true);
}

void DisplayListGraphics::DrawRect(int x, int y, int width, int height) {
    DisplayList::Op op = Colored(DisplayList::Op::Frame);
    op.rect = QRect(x, y, width, height);
    op.penWidth = PenWidth();
    op.penHeight = PenHeight();
    Keep(std::move(op), Device(QRectF(x, y, width, height)), false);
}

void DisplayListGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    DisplayList::Op op = Colored(DisplayList::Op::Line);
    op.line = QLine(x1, y1, x2, y2);
    op.penWidth = PenWidth();
    const int reach = std::max(1, PenWidth()) + 1;
    const QRect reached =
        QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(-reach, -reach, reach, reach);
    Keep(std::move(op), Device(QRectF(reached)), false);
}

void DisplayListGraphics::ClearRect(int x, int y, int width, int height) {
    DisplayList::Op op;
    op.kind = DisplayList::Op::Clear;
    op.rect = QRect(x, y, width, height);
    Keep(std::move(op), Device(QRectF(x, y, width, height)), true);
}

void DisplayListGraphics::DrawPicture(const Picture* picture, int x, int y) {
    if (picture)
        DrawImage(picture->Composed(), x, y);
}

void DisplayListGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                      int destHeight, int srcX, int srcY, int srcWidth,
                                      int srcHeight) {
    if (picture)
        DrawImage(picture->Composed(), QRect(destX, destY, destWidth, destHeight),
                  QRect(srcX, srcY, srcWidth, srcHeight));
}

void DisplayListGraphics::DrawImage(const QImage& image, int x, int y) {
    DisplayList::Op op;
    op.kind = DisplayList::Op::Image;
    op.image = image;
    op.rect = QRect(QPoint(x, y), image.size());
    const QRectF bounds = Device(QRectF(op.rect));
    Keep(std::move(op), bounds, Opaque(image));
}

void DisplayListGraphics::DrawImage(const QImage& image, const QRect& dest, const QRect& source) {
    DisplayList::Op op;
    op.kind = DisplayList::Op::ScaledImage;
    op.image = image;
    op.rect = dest;
    op.source = source;
    const QRectF bounds = Device(QRectF(dest));
    // A source reaching outside the picture leaves part of the destination bare.
    const bool opaque = image.rect().contains(source) && Opaque(image);
    Keep(std::move(op), bounds, opaque);
}
