#pragma once

#include "graphics/Graphics.h"
#include "graphics/TextLayoutCache.h"

// A surface that measures text in the toolkit's fonts, as the real painter
// draws it, each answer kept by the text layout cache.
class MeasuredGraphics : public Graphics {
  public:
    double StringWidth(const QString& text) override;
    int StringHeight(const QString& text, double wrapWidth) override;
    int TextAscent() override;
    int TextHeight() override;

  protected:
    // The font of the present drawing state, looked up again when it changes.
    const TextLayoutCache::FontEntry& CurrentFont();

  private:
    TextLayoutCache::FontEntry mFont;
    QString mFontName;
    int mFontSize = -1;
    bool mFontBold = false;
    bool mFontItalic = false;
};
