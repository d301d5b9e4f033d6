#include "graphics/CallLog.h"

#include <algorithm>

#include "graphics/DisplayListGraphics.h"
#include "graphics/Picture.h"

namespace {
using Call = CallLog::Call;

// Makes `call` on `g` in the state it was logged in, and gives its answer.
double Apply(const Call& call, DisplayListGraphics& g) {
    g.SetState(call.state);
    const int* n = call.numbers;
    switch (call.kind) {
    case Call::Width:
        return g.StringWidth(call.text);
    case Call::Height:
        return g.StringHeight(call.text, call.x);
    case Call::Ascent:
        return g.TextAscent();
    case Call::LineHeight:
        return g.TextHeight();
    case Call::Text:
        g.DrawString(call.text, call.x, call.y);
        break;
    case Call::Fill:
        g.FillRect(n[0], n[1], n[2], n[3]);
        break;
    case Call::Frame:
        g.DrawRect(n[0], n[1], n[2], n[3]);
        break;
    case Call::Line:
        g.DrawLine(n[0], n[1], n[2], n[3]);
        break;
    case Call::Clear:
        g.ClearRect(n[0], n[1], n[2], n[3]);
        break;
    case Call::Image:
        g.DrawImage(*call.image, n[0], n[1]);
        break;
    case Call::ScaledImage:
        g.DrawImage(*call.image, QRect(n[0], n[1], n[2], n[3]), QRect(n[4], n[5], n[6], n[7]));
        break;
    }
    return 0;
}

bool Asks(Call::Kind kind) {
    return kind <= Call::LineHeight;
}
} // namespace

bool CallLog::Call::Repeats(const Call& other) const {
    return kind == other.kind && x == other.x && y == other.y &&
           std::equal(std::begin(numbers), std::end(numbers), std::begin(other.numbers)) &&
           // Calls of one kind both have a picture or neither has.
           (!image || image->cacheKey() == other.image->cacheKey()) && state == other.state &&
           text == other.text;
}

CallLogGraphics::CallLogGraphics(const CallLog& last, CallLog& log, DisplayList& list, int width,
                                 int height, qreal scale)
    : mLast(last), mLog(log), mList(list), mWidth(width), mHeight(height), mScale(scale) {
    mLog.calls.clear();
    mLog.calls.reserve(mLast.calls.size());
}

int CallLogGraphics::Width() const {
    return mWidth;
}
int CallLogGraphics::Height() const {
    return mHeight;
}

CallLog::Call CallLogGraphics::Begin(Call::Kind kind) const {
    Call call;
    call.kind = kind;
    call.state = CurrentState();
    return call;
}

double CallLogGraphics::Make(Call call) {
    const size_t at = mLog.calls.size();
    if (!mTarget && at < mLast.calls.size() && mLast.calls[at].Repeats(call)) {
        call.answer = mLast.calls[at].answer;
    } else {
        Diverge();
        call.answer = Apply(call, *mTarget);
    }
    mLog.calls.push_back(std::move(call));
    return mLog.calls.back().answer;
}

void CallLogGraphics::Diverge() {
    if (mTarget)
        return;
    mTarget.emplace(mList, mWidth, mHeight, mScale);
    for (const Call& call : mLog.calls)
        if (!Asks(call.kind))
            Apply(call, *mTarget);
}

bool CallLogGraphics::Finish() {
    if (!mTarget && mLog.calls.size() == mLast.calls.size())
        return true;
    Diverge();
    return false;
}

double CallLogGraphics::StringWidth(const QString& text) {
    Call call = Begin(Call::Width);
    call.text = text;
    return Make(std::move(call));
}

int CallLogGraphics::StringHeight(const QString& text, double wrapWidth) {
    Call call = Begin(Call::Height);
    call.text = text;
    call.x = wrapWidth;
    return static_cast<int>(Make(std::move(call)));
}

int CallLogGraphics::TextAscent() {
    return static_cast<int>(Make(Begin(Call::Ascent)));
}

int CallLogGraphics::TextHeight() {
    return static_cast<int>(Make(Begin(Call::LineHeight)));
}

void CallLogGraphics::DrawString(const QString& text, double x, double y) {
    Call call = Begin(Call::Text);
    call.text = text;
    call.x = x;
    call.y = y;
    Make(std::move(call));
}

namespace {
Call WithNumbers(Call call, std::initializer_list<int> numbers) {
    std::copy(numbers.begin(), numbers.end(), call.numbers);
    return call;
}
} // namespace

void CallLogGraphics::FillRect(int x, int y, int width, int height) {
    Make(WithNumbers(Begin(Call::Fill), {x, y, width, height}));
}

void CallLogGraphics::DrawRect(int x, int y, int width, int height) {
    Make(WithNumbers(Begin(Call::Frame), {x, y, width, height}));
}

void CallLogGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    Make(WithNumbers(Begin(Call::Line), {x1, y1, x2, y2}));
}

void CallLogGraphics::ClearRect(int x, int y, int width, int height) {
    Make(WithNumbers(Begin(Call::Clear), {x, y, width, height}));
}

void CallLogGraphics::DrawPicture(const Picture* picture, int x, int y) {
    if (!picture)
        return;
    Call call = WithNumbers(Begin(Call::Image), {x, y});
    call.image = picture->Composed();
    Make(std::move(call));
}

void CallLogGraphics::DrawPicture(const Picture* picture, int destX, int destY, int destWidth,
                                  int destHeight, int srcX, int srcY, int srcWidth, int srcHeight) {
    if (!picture)
        return;
    Call call = WithNumbers(Begin(Call::ScaledImage),
                            {destX, destY, destWidth, destHeight, srcX, srcY, srcWidth, srcHeight});
    call.image = picture->Composed();
    Make(std::move(call));
}
