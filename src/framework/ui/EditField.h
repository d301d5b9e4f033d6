#pragma once

#include <functional>

#include "ui/Control.h"

class QLineEdit;
class StyledTextEdit;

// A text field: one line, or a multi-line, styled, read-only text with a
// vertical scroll bar.
//
// On one line, KeyDown sees each key before the field does and swallows it
// by returning true; keys held with Ctrl (paste, undo, ...) and text from an
// input method do not go through it.
//
// The styled field takes its text as plain characters, never as markup, and
// is styled only through the Sel... properties; its positions count each
// line break as one character.
class EditField : public RectControl {
  public:
    enum class Kind { SingleLine, Styled };
    EditField(Window& owner, const QString& name, Kind kind = Kind::SingleLine);
    ~EditField() override;

    QString Text() const;
    void SetText(const QString& text);

    // The caret position from 0, or the start of the selection. A styled
    // field clamps it to the text.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection, or inserts at the caret when nothing is
    // selected; the caret ends after the new text.
    void SetSelText(const QString& text);

    // The styled field's Sel... styles, of the first selected character;
    // sizes in pixels, 0 standing for the field's design size.
    bool SelBold() const;
    void SetSelBold(bool bold);
    bool SelItalic() const;
    void SetSelItalic(bool italic);
    int SelTextSize() const;
    void SetSelTextSize(int size);
    // The styled field's first visible line, from 0.
    int ScrollPosition() const;
    void SetScrollPosition(int line);

    // "System" and "SmallSystem" are the desktop's own fonts; size 0 is the
    // font's standard size.
    void SetTextFont(const QString& name);
    void SetTextSize(int size);
    // 0 the default (left), 1 left, 2 centred, 3 right.
    void SetAlignment(int alignment);

    std::function<bool(const QString& key)> KeyDown;
    std::function<void()> LostFocus;
    // Raised once, when the window has created its controls.
    std::function<void()> Open;

    void RaiseOpen() override;

  private:
    void ApplyFont();
    StyledTextEdit& Styled() const;

    // One of the two, by kind.
    QLineEdit* mEdit = nullptr;
    StyledTextEdit* mStyled = nullptr;
    QString mTextFont = QStringLiteral("System");
    int mTextSize = 0;
};
