#pragma once

#include <QString>
#include <functional>

// The preferences file's text: an XML property list whose dictionary holds
// key and string elements. The writer lays it out in a fixed form, byte for
// byte; the reader is a plain scan for the four tag texts, so it reads that
// form and any other property list whose values are string elements,
// whatever its indentation, line ends or order of entries.
class PlistText {
  public:
    // A file of the ten settings takes under 1 KiB; one past this size is
    // no file of ours and is refused unread.
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    // The declaration, the document type line, "<plist version="1.0">" and
    // "<dict>" (no line end after it).
    static QString Header();
    // One entry: LF TAB <key>key</key> LF TAB LF TAB <string>value</string>
    // LF TAB. Keys and values go in unchanged, nothing escaped.
    static QString Entry(const QString& key, const QString& value);
    // "</dict>" LF "</plist>" LF.
    static QString Footer();

    using PairFound = std::function<void(const QString& key, const QString& value)>;
    // Calls `onPair` for each "<key>" followed by "</key>", the next
    // "<string>" and then "</string>", in the order of the text. Each search
    // for a key starts one character after the start of the previous value.
    // False when the text holds no "<key>" with a "</key>" after it; then
    // `onPair` is never called. The scan stops at the first key whose
    // closing or string tags are missing, and never reads outside the text.
    // Its time is in proportion to the text's length, and so is what it
    // hands on: it stops before the pair that would take the keys and
    // values handed on past the text's own length.
    static bool Scan(const QString& text, const PairFound& onPair);
};
