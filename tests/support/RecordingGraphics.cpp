#include "RecordingGraphics.h"

#include <cmath>

void RecordingGraphics::SetTextSize(int size) {
    if (maxTextSize > 0 && size > maxTextSize)
        size = maxTextSize;
    Graphics::SetTextSize(size);
}

double RecordingGraphics::StringWidth(const QString& text) {
    measuredSizes.push_back(TextSize());
    return StringWidthNoRecord(text);
}

double RecordingGraphics::StringWidthNoRecord(const QString& text) const {
    if (widthOf)
        return widthOf(text, TextSize());
    return text.size() * TextSize() / 2.0;
}

int RecordingGraphics::TextHeight() {
    return lineHeightOf ? lineHeightOf(TextSize()) : TextSize();
}

int RecordingGraphics::StringHeight(const QString& text, double wrapWidth) {
    const double width = StringWidthNoRecord(text);
    int lines = 1;
    if (wrapWidth > 0 && width > wrapWidth)
        lines = static_cast<int>(std::ceil(width / wrapWidth));
    return lines * TextHeight();
}

int RecordingGraphics::TextAscent() {
    return TextHeight() * 4 / 5;
}

RecordingGraphics::Op RecordingGraphics::Record(const QString& kind, int x, int y, int width,
                                                int height) {
    Op op;
    op.kind = kind;
    op.color = mForeColor;
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    op.font = mTextFont;
    op.size = TextSize();
    op.bold = mBold;
    op.italic = mItalic;
    op.penWidth = mPenWidth;
    op.penHeight = mPenHeight;
    return op;
}

void RecordingGraphics::DrawString(const QString& text, double x, double y) {
    Op op = Record(QStringLiteral("DrawString"), static_cast<int>(x), static_cast<int>(y), 0, 0);
    op.text = text;
    ops.push_back(op);
}

void RecordingGraphics::FillRect(int x, int y, int width, int height) {
    ops.push_back(Record(QStringLiteral("FillRect"), x, y, width, height));
}

void RecordingGraphics::DrawRect(int x, int y, int width, int height) {
    ops.push_back(Record(QStringLiteral("DrawRect"), x, y, width, height));
}

void RecordingGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    ops.push_back(Record(QStringLiteral("DrawLine"), x1, y1, x2 - x1, y2 - y1));
}

void RecordingGraphics::ClearRect(int x, int y, int width, int height) {
    ops.push_back(Record(QStringLiteral("ClearRect"), x, y, width, height));
}

void RecordingGraphics::DrawPicture(const Picture* picture, int x, int y) {
    if (!picture)
        return;
    Op op = Record(QStringLiteral("DrawPicture"), x, y, 0, 0);
    op.picture = picture;
    ops.push_back(op);
}

void RecordingGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                    int destHeight, int, int, int, int) {
    if (!picture)
        return;
    Op op = Record(QStringLiteral("DrawPicture"), destX, destY, destWidth, destHeight);
    op.picture = picture;
    ops.push_back(op);
}

std::vector<RecordingGraphics::Op> RecordingGraphics::OpsOf(const QString& kind) const {
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}
