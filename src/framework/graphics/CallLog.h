#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "graphics/DisplayListGraphics.h"

// One Paint's calls to its surface, each with the drawing state it was made
// in and the answer it was given. A display mostly paints again what it
// painted last: a Paint whose calls repeat the last Paint's, in the same
// state, draws the same, so it need not be measured or drawn again.
class CallLog {
  public:
    struct Call {
        enum Kind : quint8 {
            Width,
            Height,
            Ascent,
            LineHeight,
            Text,
            Fill,
            Frame,
            Line,
            Clear,
            Image,
            ScaledImage
        };
        Kind kind = Fill;
        Graphics::State state;
        QString text;
        double x = 0; // Text: where the baseline starts; Height: the wrap width
        double y = 0;
        int numbers[8] = {}; // the rectangles and points, as given
        // A picture's pixels, kept so that their cache key stays theirs. Only
        // pictures have one: an empty QImage costs more to make than a call.
        std::optional<QImage> image;
        double answer = 0;

        // The same call in the same state; the answer is not compared.
        bool Repeats(const Call& other) const;
    };

    std::vector<Call> calls;
};

// The surface a canvas's Paint draws on. It holds each call against the
// last Paint's log: while they repeat it, questions are answered from that
// log and nothing is measured or drawn. At the first call that differs, the
// drawing calls so far are made on the real surface, and from there on
// every call goes to it. Either way, this Paint's calls are logged for the
// next one. Every text size is taken, as on the real surface.
class CallLogGraphics : public Graphics {
  public:
    // `log` is emptied first.
    CallLogGraphics(const CallLog& last, CallLog& log, DisplayList& list, int width, int height,
                    qreal scale);

    // Ends the Paint; true if it repeated the last one call for call, in
    // which case nothing reached the real surface. Otherwise the real surface
    // holds the whole Paint.
    bool Finish();

    int Width() const override;
    int Height() const override;
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

  private:
    CallLog::Call Begin(CallLog::Call::Kind kind) const;
    // Answers the call from the last log or from the real surface, and logs it.
    double Make(CallLog::Call call);
    // Makes the drawing calls logged so far on the real surface.
    void Diverge();

    const CallLog& mLast;
    CallLog& mLog;
    DisplayList& mList;
    int mWidth;
    int mHeight;
    qreal mScale;
    // The real surface, once a call differed.
    std::optional<DisplayListGraphics> mTarget;
};
