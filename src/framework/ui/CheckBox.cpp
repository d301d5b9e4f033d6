#include "ui/CheckBox.h"

#include <QCheckBox>

#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"

CheckBox::CheckBox(Window& owner, const QString& name)
    : RectControl(owner, name, new QCheckBox), mBox(static_cast<QCheckBox*>(Widget())) {
    mBox->setFocusPolicy(Qt::StrongFocus);
    SetTextFont(QStringLiteral("System"));
    QObject::connect(mBox, &QCheckBox::toggled, [this] {
        if (Action)
            Guarded([this] { Action(); });
    });
}

QString CheckBox::Caption() const {
    return mBox->text();
}
void CheckBox::SetCaption(const QString& caption) {
    mBox->setText(caption);
}

bool CheckBox::Value() const {
    return mBox->isChecked();
}
void CheckBox::SetValue(bool value) {
    mBox->setChecked(value);
}

void CheckBox::SetTextFont(const QString& name) {
    mBox->setFont(PainterGraphics::FontFor(name, 0, false, false));
}
