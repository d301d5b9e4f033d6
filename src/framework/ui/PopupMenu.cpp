#include "ui/PopupMenu.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"

PopupMenu::PopupMenu(Window& owner, const QString& name)
    : RectControl(owner, name, new QComboBox), mCombo(static_cast<QComboBox*>(Widget())) {
    mCombo->setFocusPolicy(Qt::StrongFocus);
    SetTextFont(QStringLiteral("System"));
    QObject::connect(mCombo, &QComboBox::currentIndexChanged, [this] {
        if (Change)
            Guarded([this] { Change(); });
    });
}

// The toolkit chooses the first row as it arrives in an empty list; a
// popup here keeps what it had, and says nothing while rows come in.
void PopupMenu::AddRow(const QString& text) {
    const QSignalBlocker quiet(mCombo);
    const int chosen = mCombo->currentIndex();
    mCombo->addItem(text);
    mCombo->setCurrentIndex(chosen);
}

int PopupMenu::ListCount() const {
    return mCombo->count();
}

QString PopupMenu::List(int row) const {
    return mCombo->itemText(row);
}

int PopupMenu::ListIndex() const {
    return mCombo->currentIndex();
}
void PopupMenu::SetListIndex(int index) {
    mCombo->setCurrentIndex(index >= 0 && index < mCombo->count() ? index : -1);
}

QString PopupMenu::Text() const {
    return mCombo->currentIndex() < 0 ? mCombo->placeholderText() : mCombo->currentText();
}

void PopupMenu::SetTextWhenNoRow(const QString& text) {
    mCombo->setPlaceholderText(text);
}

void PopupMenu::SetTextFont(const QString& name) {
    mCombo->setFont(PainterGraphics::FontFor(name, 0, false, false));
}
