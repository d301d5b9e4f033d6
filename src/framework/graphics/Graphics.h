#pragma once

#include <QString>

#include "text/Color.h"

class Picture;

// A drawing surface. The drawing state (colour, font, size, style, pen)
// stays as it was last set; nothing is restored between calls. Text is
// drawn at a baseline; text sizes are in points of 1 pixel each, and size
// 0 stands for the font's standard size.
class Graphics {
  public:
    virtual ~Graphics() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    Color ForeColor() const { return mForeColor; }
    void SetForeColor(Color color) { mForeColor = color; }
    QString TextFont() const { return mTextFont; }
    void SetTextFont(const QString& font) { mTextFont = font; }
    // The size the surface holds now: a surface may refuse sizes past some
    // bound and report the size it took instead.
    int TextSize() const { return mTextSize; }
    virtual void SetTextSize(int size) { mTextSize = size < 0 ? 0 : size; }
    bool Bold() const { return mBold; }
    void SetBold(bool bold) { mBold = bold; }
    bool Italic() const { return mItalic; }
    void SetItalic(bool italic) { mItalic = italic; }
    int PenWidth() const { return mPenWidth; }
    void SetPenWidth(int width) { mPenWidth = width < 0 ? 0 : width; }
    int PenHeight() const { return mPenHeight; }
    void SetPenHeight(int height) { mPenHeight = height < 0 ? 0 : height; }

    // The whole drawing state, to keep and to put back.
    struct State {
        Color foreColor;
        QString textFont;
        int textSize = 0;
        bool bold = false;
        bool italic = false;
        int penWidth = 1;
        int penHeight = 1;
        friend bool operator==(const State&, const State&) = default;
    };
    State CurrentState() const {
        return {mForeColor, mTextFont, mTextSize, mBold, mItalic, mPenWidth, mPenHeight};
    }
    void SetState(const State& state) {
        SetForeColor(state.foreColor);
        SetTextFont(state.textFont);
        SetTextSize(state.textSize);
        SetBold(state.bold);
        SetItalic(state.italic);
        SetPenWidth(state.penWidth);
        SetPenHeight(state.penHeight);
    }

    // Text measured in the current font, size and style.
    virtual double StringWidth(const QString& text) = 0;
    // Height in whole pixels of `text` wrapped at `wrapWidth` (0: no wrap).
    virtual int StringHeight(const QString& text, double wrapWidth) = 0;
    virtual int TextAscent() = 0;
    // The height of one line.
    virtual int TextHeight() = 0;

    // Draws `text` with its baseline at y.
    virtual void DrawString(const QString& text, double x, double y) = 0;
    virtual void FillRect(int x, int y, int width, int height) = 0;
    // A frame inside the rectangle, PenWidth wide on the left and right
    // and PenHeight high at the top and bottom.
    virtual void DrawRect(int x, int y, int width, int height) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Clears the rectangle to the surface's background (transparent on a
    // picture).
    virtual void ClearRect(int x, int y, int width, int height) = 0;
    // Draws `picture` at its natural size, its mask honoured; nothing for
    // a null picture.
    virtual void DrawPicture(const Picture* picture, int x, int y) = 0;
    // Draws the source rectangle of `picture` scaled into the destination.
    virtual void DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                             int destHeight, int srcX, int srcY, int srcWidth, int srcHeight) = 0;

  protected:
    Color mForeColor;
    QString mTextFont = QStringLiteral("System");
    int mTextSize = 0;
    bool mBold = false;
    bool mItalic = false;
    int mPenWidth = 1;
    int mPenHeight = 1;
};
