#include "graphics/PainterGraphics.h"

#include <QPainter>

#include "graphics/GlyphCache.h"
#include "graphics/Picture.h"

namespace {
QRgb Rgb(Color c) {
    return 0xff000000u | c.Value();
}
} // namespace

PainterGraphics::PainterGraphics(QPainter& painter, int width, int height)
    : mPainter(painter), mWidth(width), mHeight(height) {}

QFont PainterGraphics::FontFor(const QString& name, int size, bool bold, bool italic) {
    return TextLayoutCache::Instance().Font(name, size, bold, italic).font;
}

void PainterGraphics::PaintFill(QPainter& painter, const QRect& rect, QRgb color) {
    painter.fillRect(rect, QColor(color));
}

void PainterGraphics::PaintFrame(QPainter& painter, const QRect& rect, QRgb color, int penWidth,
                                 int penHeight) {
    const QColor c(color);
    const int x = rect.x(), y = rect.y(), width = rect.width(), height = rect.height();
    const int pw = std::min(penWidth, std::max(0, width / 2 + 1));
    const int ph = std::min(penHeight, std::max(0, height / 2 + 1));
    painter.fillRect(x, y, width, ph, c);
    painter.fillRect(x, y + height - ph, width, ph, c);
    painter.fillRect(x, y, pw, height, c);
    painter.fillRect(x + width - pw, y, pw, height, c);
}

void PainterGraphics::PaintLine(QPainter& painter, const QLine& line, QRgb color, int penWidth) {
    QPen pen{QColor(color)};
    pen.setWidth(std::max(1, penWidth));
    painter.setPen(pen);
    painter.drawLine(line);
}

void PainterGraphics::PaintClear(QPainter& painter, const QRect& rect) {
    const auto mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(rect, Qt::transparent);
    painter.setCompositionMode(mode);
}

void PainterGraphics::PaintImage(QPainter& painter, const QImage& image, const QPoint& at) {
    painter.drawImage(at, image);
}

void PainterGraphics::PaintImage(QPainter& painter, const QImage& image, const QRect& dest,
                                 const QRect& source) {
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(dest, image, source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void PainterGraphics::DrawString(const QString& text, double x, double y) {
    GlyphCache::Instance().DrawText(mPainter, CurrentFont(), QPointF(x, y), text,
                                    QColor(Rgb(mForeColor)));
}

void PainterGraphics::FillRect(int x, int y, int width, int height) {
    PaintFill(mPainter, QRect(x, y, width, height), Rgb(mForeColor));
}

void PainterGraphics::DrawRect(int x, int y, int width, int height) {
    PaintFrame(mPainter, QRect(x, y, width, height), Rgb(mForeColor), PenWidth(), PenHeight());
}

void PainterGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    PaintLine(mPainter, QLine(x1, y1, x2, y2), Rgb(mForeColor), PenWidth());
}

void PainterGraphics::ClearRect(int x, int y, int width, int height) {
    PaintClear(mPainter, QRect(x, y, width, height));
}

void PainterGraphics::DrawPicture(const Picture* picture, int x, int y) {
    if (picture)
        PaintImage(mPainter, picture->Composed(), QPoint(x, y));
}

void PainterGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                  int destHeight, int srcX, int srcY, int srcWidth, int srcHeight) {
    if (picture)
        PaintImage(mPainter, picture->Composed(), QRect(destX, destY, destWidth, destHeight),
                   QRect(srcX, srcY, srcWidth, srcHeight));
}
