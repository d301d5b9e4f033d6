#include "ui/StaticText.h"

#include <QLabel>

#include "graphics/PainterGraphics.h"

StaticText::StaticText(Window& owner, const QString& name)
    : RectControl(owner, name, new QLabel), mLabel(static_cast<QLabel*>(Widget())) {
    mLabel->setFocusPolicy(Qt::NoFocus);
    mLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mLabel->setTextFormat(Qt::PlainText);
    SetTextFont(QStringLiteral("SmallSystem"));
}

QString StaticText::Text() const {
    return mLabel->text();
}
void StaticText::SetText(const QString& text) {
    mLabel->setText(text);
}

void StaticText::SetTextFont(const QString& name) {
    mLabel->setFont(PainterGraphics::FontFor(name, 0, false, false));
}
