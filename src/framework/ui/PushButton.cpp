#include "ui/PushButton.h"

#include <QPushButton>

#include "graphics/PainterGraphics.h"
#include "ui/Window.h"

PushButton::PushButton(Window& owner, const QString& name)
    : RectControl(owner, name, new QPushButton), mButton(static_cast<QPushButton*>(Widget())) {
    // A button with the focus stands in for the default button until the
    // focus moves on: Return on a focused Cancel must cancel.
    mButton->setAutoDefault(true);
    mButton->setFont(PainterGraphics::FontFor(QStringLiteral("System"), 0, false, false));
    QObject::connect(mButton, &QPushButton::clicked, [this] {
        if (Action)
            Owner().Press(Action);
    });
}

QString PushButton::Caption() const {
    return mButton->text();
}
void PushButton::SetCaption(const QString& caption) {
    mButton->setText(caption);
}

bool PushButton::Default() const {
    return mButton->isDefault();
}
void PushButton::SetDefault(bool isDefault) {
    mButton->setDefault(isDefault);
}

// The sheet's Escape handling looks for this property (WindowHost::reject).
bool PushButton::Cancel() const {
    return mButton->property("cancelButton").toBool();
}
void PushButton::SetCancel(bool isCancel) {
    mButton->setProperty("cancelButton", isCancel);
}

void PushButton::SetTextFont(const QString& name) {
    mButton->setFont(PainterGraphics::FontFor(name, 0, false, false));
}

void PushButton::Push() {
    mButton->click();
}
