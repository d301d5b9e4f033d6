#pragma once

#include "ui/Control.h"

class QLabel;

// A label in the desktop's small font unless told otherwise; it never takes
// the focus. Its text is shown as plain characters.
class StaticText : public RectControl {
  public:
    StaticText(Window& owner, const QString& name);

    QString Text() const;
    void SetText(const QString& text);
    void SetTextFont(const QString& name);
    // In pixels; 0 is the font's standard size.
    void SetTextSize(int size);
    void SetBold(bool bold);
    // 0 left, 1 centred, 2 right.
    void SetTextAlign(int align);
    // A multi-line label wraps its text and starts at its top; a single
    // line sits in the middle of the label's height.
    void SetMultiline(bool multiline);

  private:
    void ApplyFont();
    void ApplyAlignment();

    QLabel* mLabel;
    QString mTextFont;
    int mTextSize = 0;
    bool mBold = false;
    Qt::Alignment mHorizontal = Qt::AlignLeft;
    bool mMultiline = false;
};
