// Feeds arbitrary text to the tag styling loop on a real styled field and
// checks what it promises: it ends, the text left is the field's text with
// exactly its tags taken out (each "<" to the first ">" after it, until a
// "<" has no ">" after it), and nothing is left selected.
#include <QApplication>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "StyledFieldSheet.h"
#include "TaggedText.h"
#include "ui/EditField.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_tagged_text: %s\n", what);
        std::abort();
    }
}

// What the loop must leave, found by plain string work.
QString WithoutTags(QString text) {
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'));
        if (open < 0)
            return text;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            return text;
        text.remove(open, close - open + 1);
    }
}

// Kept for the life of the process, so nothing of the toolkit counts as leaked.
QApplication* gApp = nullptr;
StyledFieldSheet* gSheet = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    gApp = new QApplication(*argc, *argv);
    gSheet = new StyledFieldSheet;
    gSheet->Construct();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EditField& field = *gSheet->field;
    field.SetText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    // The field's own reading of the text (line ends made one) is the input.
    const QString expected = WithoutTags(field.Text());
    StyleTaggedText(field);
    Require(field.Text() == expected, "the text left is not the input without its tags");
    Require(field.SelLength() == 0 && field.SelStart() == 0, "something is left selected");
    return 0;
}
