#include "TaggedText.h"

#include "text/Numbers.h"
#include "text/TextFunctions.h"
#include "ui/EditField.h"

namespace {

bool Is(const QString& name, const char* tag) {
    return name.compare(QLatin1String(tag), Qt::CaseInsensitive) == 0;
}

} // namespace

void StyleTaggedText(EditField& field) {
    const QString blank = QStringLiteral(" ");
    std::int32_t savedSize = 0;
    for (;;) {
        // The text is read afresh each time: the passes before removed tags.
        const QString text = field.Text();
        const int p = InStr(text, QStringLiteral("<"));
        if (p == 0)
            break;
        const int q = InStr(p, text, QStringLiteral(">"));
        if (q == 0)
            break;
        const int n = q - p + 1;
        const QString content = Mid(text, p + 1, n - 2);
        const QString name = NthField(content, blank, 1);

        field.SetSelStart(p - 1);
        field.SetSelLength(n);
        field.SetSelText(QString());
        // From the tag's place to the end: the length taken before the
        // removal reaches past the new end, and the field stops it there.
        field.SetSelStart(p - 1);
        field.SetSelLength(Len(text) - p);

        if (Is(name, "b")) {
            field.SetSelBold(true);
        } else if (Is(name, "/b")) {
            field.SetSelBold(false);
        } else if (Is(name, "i")) {
            field.SetSelItalic(true);
        } else if (Is(name, "/i")) {
            field.SetSelItalic(false);
        } else if (Is(name, "font")) {
            // The first double-quoted value, whatever attribute it belongs to.
            const std::int32_t size = ToInt32(Val(NthField(content, QStringLiteral("\""), 2)));
            savedSize = field.SelTextSize();
            field.SetSelTextSize(size);
        } else if (Is(name, "/font")) {
            field.SetSelTextSize(savedSize);
        }
    }
    field.SetScrollPosition(0);
    field.SetSelStart(-1);
    field.SetSelLength(0);
}
