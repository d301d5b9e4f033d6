#include "PlistText.h"

#include <limits>

#include "text/TextFunctions.h"

namespace {

const QString kKeyOpen = QStringLiteral("<key>");
const QString kKeyClose = QStringLiteral("</key>");
const QString kStringOpen = QStringLiteral("<string>");
const QString kStringClose = QStringLiteral("</string>");

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

QString PlistText::Footer() { return QStringLiteral("</dict>\n</plist>\n"); }

bool PlistText::Scan(const QString& text, const PairFound& onPair) {
    // Positions are ints; a text too long for them holds nothing we can read
    // (file reads are capped far below this).
    if (text.size() > std::numeric_limits<int>::max() / 2)
        return false;
    const int firstKey = InStr(text, kKeyOpen);
    if (firstKey == 0 || InStr(firstKey, text, kKeyClose) == 0)
        return false;

    int pos = 0;
    for (;;) {
        const int k = InStr(pos + 1, text, kKeyOpen);
        if (k == 0)
            break;
        const int keyStart = k + Len(kKeyOpen);
        const int keyEnd = InStr(keyStart, text, kKeyClose);
        if (keyEnd == 0)
            break;
        const int valueTag = InStr(keyEnd, text, kStringOpen);
        if (valueTag == 0)
            break;
        // pos only grows (valueTag > k > the previous pos), so the loop ends.
        pos = valueTag + Len(kStringOpen);
        const int valueEnd = InStr(pos, text, kStringClose);
        if (valueEnd == 0)
            break;
        onPair(Mid(text, keyStart, keyEnd - keyStart), Mid(text, pos, valueEnd - pos));
    }
    return true;
}
