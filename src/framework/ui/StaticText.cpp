#include "ui/StaticText.h"

#include <QLabel>

#include "graphics/PainterGraphics.h"

StaticText::StaticText(Window& owner, const QString& name)
    : RectControl(owner, name, new QLabel), mLabel(static_cast<QLabel*>(Widget())) {
    mLabel->setFocusPolicy(Qt::NoFocus);
    mLabel->setTextFormat(Qt::PlainText);
    ApplyAlignment();
    SetTextFont(QStringLiteral("SmallSystem"));
}

QString StaticText::Text() const {
    return mLabel->text();
}
void StaticText::SetText(const QString& text) {
    mLabel->setText(text);
}

void StaticText::SetTextFont(const QString& name) {
    mTextFont = name;
    ApplyFont();
}

void StaticText::SetTextSize(int size) {
    mTextSize = size;
    ApplyFont();
}

void StaticText::SetBold(bool bold) {
    mBold = bold;
    ApplyFont();
}

void StaticText::ApplyFont() {
    mLabel->setFont(PainterGraphics::FontFor(mTextFont, mTextSize, mBold, false));
}

void StaticText::SetTextAlign(int align) {
    mHorizontal = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
    ApplyAlignment();
}

void StaticText::SetMultiline(bool multiline) {
    mMultiline = multiline;
    mLabel->setWordWrap(multiline);
    ApplyAlignment();
}

void StaticText::ApplyAlignment() {
    mLabel->setAlignment(mHorizontal | (mMultiline ? Qt::AlignTop : Qt::AlignVCenter));
}
