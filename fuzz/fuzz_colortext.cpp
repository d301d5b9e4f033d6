// Feeds arbitrary bytes, as dropped text, to the reading of a colour well's
// colour hex text, and checks what the well relies on: every text gives a
// colour, a text that starts with a colour hex text gives that colour, and
// the text of any colour reads back as the same colour.
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ColorHexText.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_colortext: %s\n", what);
        std::abort();
    }
}

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "#" and six hexadecimal digits with no seventh after them.
bool StartsWithHexText(const QString& text) {
    if (text.size() < 7 || text[0] != u'#')
        return false;
    for (int i = 1; i < 7; ++i)
        if (!IsHexDigit(text[i]))
            return false;
    return text.size() == 7 || !IsHexDigit(text[7]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Dropped text arrives as UTF-8 from the other program.
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Color color = ColorOfValue(ColorHexTextValue(text));

    const QString written = ColorHexText(color);
    Require(written.size() == 7 && StartsWithHexText(written), "written text has the wrong form");
    Require(ColorOfValue(ColorHexTextValue(written)) == color, "written text reads back");
    if (StartsWithHexText(text))
        Require(written == text.left(7).toUpper(), "a colour hex text gives its own colour");
    return 0;
}
