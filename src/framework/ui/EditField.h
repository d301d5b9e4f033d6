#pragma once

#include <functional>

#include "ui/Control.h"

class QLineEdit;

// A one-line text field. KeyDown sees each key before the field does and
// swallows it by returning true; keys held with Ctrl (paste, undo, ...) and
// text from an input method do not go through it.
class EditField : public RectControl {
  public:
    EditField(Window& owner, const QString& name);
    ~EditField() override;

    QString Text() const;
    void SetText(const QString& text);

    // The caret position from 0, or the start of the selection.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection, or inserts at the caret when nothing is
    // selected; the caret ends after the new text.
    void SetSelText(const QString& text);

    // "System" and "SmallSystem" are the desktop's own fonts; size 0 is the
    // font's standard size.
    void SetTextFont(const QString& name);
    void SetTextSize(int size);
    // 0 the default (left), 1 left, 2 centred, 3 right.
    void SetAlignment(int alignment);

    std::function<bool(const QString& key)> KeyDown;
    std::function<void()> LostFocus;

  private:
    void ApplyFont();

    QLineEdit* mEdit;
    QString mTextFont = QStringLiteral("System");
    int mTextSize = 0;
};
