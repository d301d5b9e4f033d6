#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "graphics/Graphics.h"

// A surface that draws nothing and records every drawing call, with simple
// exact text metrics, so that drawing arithmetic can be checked number for
// number. By default a character is size/2 wide, a line is `size` high with
// an ascent of 4/5 of it; tests may put their own measure in its place.
class RecordingGraphics : public Graphics {
  public:
    struct Op {
        QString
            kind; // "FillRect", "DrawRect", "DrawString", "DrawLine", "ClearRect", "DrawPicture"
        Color color;
        int x = 0, y = 0, width = 0, height = 0;
        QString text;
        QString font;
        int size = 0;
        bool bold = false, italic = false;
        int penWidth = 0, penHeight = 0;
        const Picture* picture = nullptr;
    };

    RecordingGraphics(int width, int height) : mWidth(width), mHeight(height) {}

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }

    // Every size that was measured (StringWidth calls), in order.
    std::vector<int> measuredSizes;
    std::vector<Op> ops;
    // Width of a text at a size; the default is chars * size / 2.
    std::function<double(const QString&, int size)> widthOf;
    // Height of one line at a size; the default is the size itself.
    std::function<int(int size)> lineHeightOf;
    // A surface that refuses sizes above this bound (0: no bound).
    int maxTextSize = 0;

    void SetTextSize(int size) override;

    double StringWidth(const QString& text) override;
    int StringHeight(const QString& text, double wrapWidth) override;
    int TextAscent() override;
    int TextHeight() override;

    void DrawString(const QString& text, double x, double y) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void ClearRect(int x, int y, int width, int height) override;
    void DrawPicture(const Picture* picture, int x, int y) override;
    void DrawPicture(const Picture* picture, int destX, int destY, int destWidth, int destHeight,
                     int srcX, int srcY, int srcWidth, int srcHeight) override;

    // The recorded calls of one kind.
    std::vector<Op> OpsOf(const QString& kind) const;

  private:
    double StringWidthNoRecord(const QString& text) const;
    Op Record(const QString& kind, int x, int y, int width, int height);
    int mWidth;
    int mHeight;
};
