#include "PlistText.h"

#include <limits>

#include "text/TextFunctions.h"

namespace {

const QString kKeyOpen = QStringLiteral("<key>");
const QString kKeyClose = QStringLiteral("</key>");
const QString kStringOpen = QStringLiteral("<string>");
const QString kStringClose = QStringLiteral("</string>");

// One tag's next place in the text. The scan only ever looks further on for
// each tag, so a place found stays good until the scan passes it, and each
// tag is searched for once over the whole text, however many keys share
// one closing tag.
class NextTag {
  public:
    NextTag(const QString& text, const QString& tag) : mText(text), mTag(tag) {}

    // As InStr(start, text, tag), for starts that never go back.
    int From(int start) {
        if (mFound < 0 || (mFound != 0 && mFound < start))
            mFound = InStr(start, mText, mTag);
        return mFound;
    }

  private:
    const QString& mText;
    const QString& mTag;
    // -1 before the first search; then InStr's answer, 0 for none further on.
    int mFound = -1;
};

} // namespace

QString PlistText::Header() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                          "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                          "<plist version=\"1.0\">\n"
                          "<dict>");
}

QString PlistText::Entry(const QString& key, const QString& value) {
    return QStringLiteral("\n\t") + kKeyOpen + key + kKeyClose + QStringLiteral("\n\t\n\t") +
           kStringOpen + value + kStringClose + QStringLiteral("\n\t");
}

QString PlistText::Footer() {
    return QStringLiteral("</dict>\n</plist>\n");
}

bool PlistText::Scan(const QString& text, const PairFound& onPair) {
    // Positions are ints; a text too long for them holds nothing we can read
    // (file reads are capped far below this).
    if (text.size() > std::numeric_limits<int>::max() / 2)
        return false;
    NextTag keyOpen(text, kKeyOpen), keyClose(text, kKeyClose);
    NextTag stringOpen(text, kStringOpen), stringClose(text, kStringClose);
    const int firstKey = keyOpen.From(1);
    if (firstKey == 0 || keyClose.From(firstKey) == 0)
        return false;

    // Values overlap when a value's text holds further keys, and a crafted
    // text can make each of them run on to its end: what is handed on stops
    // at the text's own size, so memory stays in proportion to the file.
    qsizetype handedOn = 0;
    int pos = 0;
    for (;;) {
        const int k = keyOpen.From(pos + 1);
        if (k == 0)
            break;
        const int keyStart = k + Len(kKeyOpen);
        const int keyEnd = keyClose.From(keyStart);
        if (keyEnd == 0)
            break;
        const int valueTag = stringOpen.From(keyEnd);
        if (valueTag == 0)
            break;
        // pos only grows (valueTag > k > the previous pos), so the loop ends.
        pos = valueTag + Len(kStringOpen);
        const int valueEnd = stringClose.From(pos);
        if (valueEnd == 0)
            break;
        const qsizetype pairSize = qsizetype{keyEnd - keyStart} + (valueEnd - pos);
        if (pairSize > text.size() - handedOn)
            break;
        handedOn += pairSize;
        onPair(Mid(text, keyStart, keyEnd - keyStart), Mid(text, pos, valueEnd - pos));
    }
    return true;
}
