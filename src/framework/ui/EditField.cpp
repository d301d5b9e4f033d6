#include "ui/EditField.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"
#include "ui/StyledTextEdit.h"
#include "ui/WindowHost.h"

namespace {

// The line edit that hands its keys and its loss of focus to the control.
class EditFieldWidget : public QLineEdit {
  public:
    void SetOwner(EditField* owner) { mOwner = owner; }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (mOwner && mOwner->KeyDown) {
            const QString key = KeyText(*event);
            if (!key.isEmpty() && Guarded([&] { return mOwner->KeyDown(key); })) {
                event->accept();
                return;
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    // As on the desktop this program comes from, a field that gains the
    // focus from the keyboard or the program offers its whole text for
    // retyping; a click places the caret, and a window coming back to the
    // front leaves the selection as it was.
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        const bool returning = reason == Qt::ActiveWindowFocusReason && mHadFocus;
        if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason && !returning)
            selectAll();
        mHadFocus = true;
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        // A field whose window merely went to the background still holds
        // the focus within it: that is no loss.
        if (event->reason() == Qt::ActiveWindowFocusReason)
            return;
        if (mOwner && mOwner->LostFocus)
            Guarded([&] { mOwner->LostFocus(); });
    }

  private:
    EditField* mOwner = nullptr;
    bool mHadFocus = false;
};

} // namespace

EditField::EditField(Window& owner, const QString& name, Kind kind)
    : RectControl(owner, name,
                  kind == Kind::Styled ? static_cast<QWidget*>(new StyledTextEdit)
                                       : new EditFieldWidget) {
    if (kind == Kind::Styled) {
        mStyled = static_cast<StyledTextEdit*>(Widget());
    } else {
        mEdit = static_cast<QLineEdit*>(Widget());
        static_cast<EditFieldWidget*>(mEdit)->SetOwner(this);
    }
    ApplyFont();
}

// The widget outlives this part of the object by a moment; no handler may
// reach a control that is going away.
EditField::~EditField() {
    if (mEdit)
        static_cast<EditFieldWidget*>(mEdit)->SetOwner(nullptr);
}

StyledTextEdit& EditField::Styled() const {
    if (!mStyled)
        throw NilObjectException(QStringLiteral("no styled text in the field ") + Name());
    return *mStyled;
}

void EditField::RaiseOpen() {
    if (Open)
        Open();
}

QString EditField::Text() const {
    return mStyled ? mStyled->Text() : mEdit->text();
}
void EditField::SetText(const QString& text) {
    if (mStyled)
        mStyled->SetText(text);
    else
        mEdit->setText(text);
}

int EditField::SelStart() const {
    if (mStyled)
        return mStyled->SelStart();
    return mEdit->hasSelectedText() ? mEdit->selectionStart() : mEdit->cursorPosition();
}

void EditField::SetSelStart(int start) {
    if (mStyled)
        mStyled->SetSelStart(start);
    else
        mEdit->setCursorPosition(start);
}

int EditField::SelLength() const {
    return mStyled ? mStyled->SelLength() : mEdit->selectionLength();
}

void EditField::SetSelLength(int length) {
    if (mStyled)
        mStyled->SetSelLength(length);
    else
        mEdit->setSelection(SelStart(), length);
}

QString EditField::SelText() const {
    return mStyled ? mStyled->SelText() : mEdit->selectedText();
}

void EditField::SetSelText(const QString& text) {
    if (mStyled)
        mStyled->SetSelText(text);
    else
        mEdit->insert(text);
}

bool EditField::SelBold() const {
    return Styled().SelBold();
}
void EditField::SetSelBold(bool bold) {
    Styled().SetSelBold(bold);
}
bool EditField::SelItalic() const {
    return Styled().SelItalic();
}
void EditField::SetSelItalic(bool italic) {
    Styled().SetSelItalic(italic);
}
int EditField::SelTextSize() const {
    return Styled().SelTextSize();
}
void EditField::SetSelTextSize(int size) {
    Styled().SetSelTextSize(size);
}
int EditField::ScrollPosition() const {
    return Styled().ScrollPosition();
}
void EditField::SetScrollPosition(int line) {
    Styled().SetScrollPosition(line);
}

void EditField::SetTextFont(const QString& name) {
    mTextFont = name;
    ApplyFont();
}

void EditField::SetTextSize(int size) {
    mTextSize = size;
    ApplyFont();
}

void EditField::ApplyFont() {
    Widget()->setFont(PainterGraphics::FontFor(mTextFont, mTextSize, false, false));
}

void EditField::SetAlignment(int alignment) {
    if (mStyled)
        return; // the styled fields are all left-aligned
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == 2)
        horizontal = Qt::AlignHCenter;
    else if (alignment == 3)
        horizontal = Qt::AlignRight;
    mEdit->setAlignment(horizontal | Qt::AlignVCenter);
}
