// Feeds arbitrary bytes to the preferences file's reader as the store reads
// a file, and checks what the reader and the text conversions promise:
// pairs only when the text has a key, conversions that read their own text
// back, and the writer's text of the pairs read back as the same pairs.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "PlistText.h"
#include "text/TextDecoding.h"
#include "text/Variant.h"

namespace {

using Pairs = QList<QPair<QString, QString>>;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_prefs: %s\n", what);
        std::abort();
    }
}

Pairs Scan(const QString& text, bool* found) {
    Pairs pairs;
    *found = PlistText::Scan(text, [&pairs](const QString& key, const QString& value) {
        pairs.append({key, value});
    });
    return pairs;
}

void CheckConversions(const QString& text) {
    if (const std::optional<bool> b = Variant(text).ToBoolean())
        Require(Variant::BooleanFromText(Variant::TextOf(*b)) == b, "Boolean text round trip");
    if (const std::optional<Color> c = Variant(text).ToColor())
        Require(Variant::ColorFromText(Variant::TextOf(*c)) == c, "Color text round trip");
}

bool HoldsATag(const QString& text) {
    for (const char* tag : {"<key>", "</key>", "<string>", "</string>"})
        if (text.contains(QLatin1String(tag)))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeText(bytes);
    CheckConversions(text);

    bool found = false;
    const Pairs pairs = Scan(text, &found);
    Require(found || pairs.isEmpty(), "pairs from a text without a key");

    bool writable = !pairs.isEmpty();
    QString written = PlistText::Header();
    for (const auto& [key, value] : pairs) {
        CheckConversions(value);
        writable = writable && !HoldsATag(key) && !HoldsATag(value);
        written += PlistText::Entry(key, value);
    }
    written += PlistText::Footer() + QLatin1Char('\n');
    if (writable) {
        bool foundAgain = false;
        Require(Scan(written, &foundAgain) == pairs && foundAgain, "writer and reader disagree");
    }
    return 0;
}
