#include "graphics/PainterGraphics.h"

#include <QPainter>

#include "graphics/GlyphCache.h"
#include "graphics/Picture.h"

namespace {
QColor ToQColor(Color c) { return QColor(c.Red, c.Green, c.Blue); }
} // namespace

PainterGraphics::PainterGraphics(QPainter& painter, int width, int height)
    : mPainter(painter), mWidth(width), mHeight(height) {}

QFont PainterGraphics::FontFor(const QString& name, int size, bool bold, bool italic) {
    return TextLayoutCache::Instance().Font(name, size, bold, italic).font;
}

const TextLayoutCache::FontEntry& PainterGraphics::CurrentFont() {
    if (mFontSize != TextSize() || mFontName != mTextFont || mFontBold != mBold ||
        mFontItalic != mItalic) {
        mFontName = mTextFont;
        mFontSize = TextSize();
        mFontBold = mBold;
        mFontItalic = mItalic;
        mFont = TextLayoutCache::Instance().Font(mFontName, mFontSize, mFontBold, mFontItalic);
    }
    return mFont;
}

double PainterGraphics::StringWidth(const QString& text) {
    return TextLayoutCache::Instance().Width(CurrentFont(), text);
}

int PainterGraphics::StringHeight(const QString& text, double wrapWidth) {
    return TextLayoutCache::Instance().Height(CurrentFont(), text, wrapWidth);
}

int PainterGraphics::TextAscent() { return TextLayoutCache::Instance().Ascent(CurrentFont()); }

int PainterGraphics::TextHeight() { return TextLayoutCache::Instance().LineHeight(CurrentFont()); }

void PainterGraphics::DrawString(const QString& text, double x, double y) {
    GlyphCache::Instance().DrawText(mPainter, CurrentFont(), QPointF(x, y), text,
                                    ToQColor(mForeColor));
}

void PainterGraphics::FillRect(int x, int y, int width, int height) {
    mPainter.fillRect(x, y, width, height, ToQColor(mForeColor));
}

void PainterGraphics::DrawRect(int x, int y, int width, int height) {
    const QColor color = ToQColor(mForeColor);
    const int pw = std::min(PenWidth(), std::max(0, width / 2 + 1));
    const int ph = std::min(PenHeight(), std::max(0, height / 2 + 1));
    mPainter.fillRect(x, y, width, ph, color);
    mPainter.fillRect(x, y + height - ph, width, ph, color);
    mPainter.fillRect(x, y, pw, height, color);
    mPainter.fillRect(x + width - pw, y, pw, height, color);
}

void PainterGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    QPen pen(ToQColor(mForeColor));
    pen.setWidth(std::max(1, PenWidth()));
    mPainter.setPen(pen);
    mPainter.drawLine(x1, y1, x2, y2);
}

void PainterGraphics::ClearRect(int x, int y, int width, int height) {
    const auto mode = mPainter.compositionMode();
    mPainter.setCompositionMode(QPainter::CompositionMode_Clear);
    mPainter.fillRect(x, y, width, height, Qt::transparent);
    mPainter.setCompositionMode(mode);
}

void PainterGraphics::DrawPicture(const Picture* picture, int x, int y) {
    if (picture)
        mPainter.drawImage(QPoint(x, y), picture->Composed());
}

void PainterGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                  int destHeight, int srcX, int srcY, int srcWidth,
                                  int srcHeight) {
    if (!picture)
        return;
    mPainter.setRenderHint(QPainter::SmoothPixmapTransform);
    mPainter.drawImage(QRect(destX, destY, destWidth, destHeight), picture->Composed(),
                       QRect(srcX, srcY, srcWidth, srcHeight));
}
