#include "ui/GroupBox.h"

#include <QGroupBox>

#include "graphics/PainterGraphics.h"

GroupBox::GroupBox(Window& owner, const QString& name)
    : RectControl(owner, name, new QGroupBox), mBox(static_cast<QGroupBox*>(Widget())) {
    mBox->setFocusPolicy(Qt::NoFocus);
    SetTextFont(QStringLiteral("System"));
}

QString GroupBox::Caption() const {
    return mBox->title();
}
void GroupBox::SetCaption(const QString& caption) {
    mBox->setTitle(caption);
}

void GroupBox::SetTextFont(const QString& name) {
    mBox->setFont(PainterGraphics::FontFor(name, 0, false, false));
}
