#include "graphics/MeasuredGraphics.h"

const TextLayoutCache::FontEntry& MeasuredGraphics::CurrentFont() {
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

double MeasuredGraphics::StringWidth(const QString& text) {
    return TextLayoutCache::Instance().Width(CurrentFont(), text);
}

int MeasuredGraphics::StringHeight(const QString& text, double wrapWidth) {
    return TextLayoutCache::Instance().Height(CurrentFont(), text, wrapWidth);
}

int MeasuredGraphics::TextAscent() {
    return TextLayoutCache::Instance().Ascent(CurrentFont());
}

int MeasuredGraphics::TextHeight() {
    return TextLayoutCache::Instance().LineHeight(CurrentFont());
}
