#include "ui/StyledTextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

StyledTextEdit::StyledTextEdit() {
    setReadOnly(true);
    // Nothing the user does can be undone in a read-only field, and the
    // styling would otherwise pile up undo steps.
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
}

int StyledTextEdit::Length() const {
    return document()->characterCount() - 1;
}

// The widget's font is the document's default: a character with no size of
// its own shows at the design size.
int StyledTextEdit::DesignSize() const {
    const QFont font = document()->defaultFont();
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QString StyledTextEdit::Text() const {
    return toPlainText();
}

void StyledTextEdit::SetText(const QString& text) {
    // New text leaves the selection and the scroll position where they
    // were, as far as the new text reaches.
    const int start = SelStart(), length = SelLength();
    const int scroll = verticalScrollBar()->value();
    // QTextEdit::setPlainText would give the new text the format at the
    // caret, which may be left over from the styling of the old text.
    document()->setPlainText(text);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    SetSelStart(start);
    SetSelLength(length);
    // Lays the new text out now, so that the scroll bar knows its range.
    document()->size();
    verticalScrollBar()->setValue(scroll);
}

int StyledTextEdit::SelStart() const {
    return textCursor().selectionStart();
}

void StyledTextEdit::SetSelStart(int start) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, Length()));
    setTextCursor(cursor);
}

int StyledTextEdit::SelLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void StyledTextEdit::SetSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const qint64 end = std::clamp<qint64>(qint64(start) + length, start, Length());
    cursor.setPosition(start);
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString StyledTextEdit::SelText() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void StyledTextEdit::SetSelText(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

QTextCharFormat StyledTextEdit::FirstSelectedFormat() const {
    // A cursor reports the format of the character before it.
    QTextCursor cursor(document());
    cursor.setPosition(std::min(SelStart() + 1, Length()));
    return cursor.charFormat();
}

bool StyledTextEdit::SelBold() const {
    return FirstSelectedFormat().fontWeight() >= QFont::Bold;
}

void StyledTextEdit::SetSelBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

bool StyledTextEdit::SelItalic() const {
    return FirstSelectedFormat().fontItalic();
}

void StyledTextEdit::SetSelItalic(bool italic) {
    QTextCharFormat format;
    format.setFontItalic(italic);
    mergeCurrentCharFormat(format);
}

int StyledTextEdit::SelTextSize() const {
    const QTextCharFormat format = FirstSelectedFormat();
    return format.hasProperty(QTextFormat::FontPixelSize)
               ? format.intProperty(QTextFormat::FontPixelSize)
               : DesignSize();
}

void StyledTextEdit::SetSelTextSize(int size) {
    QTextCharFormat format;
    format.setProperty(QTextFormat::FontPixelSize, size > 0 ? size : DesignSize());
    mergeCurrentCharFormat(format);
}

int StyledTextEdit::ScrollPosition() const {
    const QTextCursor top = cursorForPosition(QPoint(0, 0));
    int line = 0;
    for (QTextBlock block = document()->begin(); block.isValid() && block != top.block();
         block = block.next())
        line += block.layout()->lineCount();
    return line + top.block().layout()->lineForTextPosition(top.positionInBlock()).lineNumber();
}

void StyledTextEdit::SetScrollPosition(int line) {
    // The first line goes right to the top, above the document's margin.
    int y = 0;
    int left = line;
    for (QTextBlock block = document()->begin(); left > 0 && block.isValid();
         block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QRectF box = document()->documentLayout()->blockBoundingRect(block);
        if (left < layout->lineCount()) {
            y = static_cast<int>(box.top() + layout->lineAt(left).y());
            break;
        }
        left -= layout->lineCount();
        y = static_cast<int>(box.bottom());
    }
    verticalScrollBar()->setValue(y);
}
