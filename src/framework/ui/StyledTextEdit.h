#pragma once

#include <QTextCharFormat>
#include <QTextEdit>

// The body of a multi-line, styled EditField: a read-only rich text view
// addressed the way the field's properties address it. Positions count
// characters, each line break as one; styles come only from the selection,
// never from markup in the text.
class StyledTextEdit : public QTextEdit {
  public:
    StyledTextEdit();

    // The text as plain characters, line breaks as "\n".
    QString Text() const;
    // Puts in `text` as it stands, unstyled: every character takes the
    // field's design font and size. The selection and the scroll position
    // stay, as far as the new text reaches.
    void SetText(const QString& text);

    int SelStart() const;
    // Places the insertion point, clamped to the text; nothing is selected.
    void SetSelStart(int start);
    int SelLength() const;
    // Selects from SelStart onward; the selection stops at the end of the text.
    void SetSelLength(int length);
    QString SelText() const;
    void SetSelText(const QString& text);

    // The styles of the first selected character (of the one before the
    // insertion point when nothing is selected).
    bool SelBold() const;
    void SetSelBold(bool bold);
    bool SelItalic() const;
    void SetSelItalic(bool italic);
    // Sizes in pixels, as everywhere in this framework; 0 is the design size.
    int SelTextSize() const;
    void SetSelTextSize(int size);

    // The line shown at the top, from 0, counting wrapped lines.
    int ScrollPosition() const;
    void SetScrollPosition(int line);

  private:
    int Length() const;
    int DesignSize() const;
    QTextCharFormat FirstSelectedFormat() const;
};
