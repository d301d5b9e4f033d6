// Feeds arbitrary bytes to the preferences file's reader as the store reads
// a file, and checks what the reader and the text conversions promise:
// pairs only when the text has a key, no more text handed on than the text
// holds, the pairs of the plain scan up to that bound, conversions that read
// their own text back, and the writer's text of the pairs read back as the
// same pairs. Inputs go up to the largest file the store reads.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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
    *found = PlistText::Scan(
        text, [&pairs](const QString& key, const QString& value) { pairs.append({key, value}); });
    return pairs;
}

// The reader as first written: every tag searched for afresh from its
// start. Quadratic on crafted text, so only short inputs are held against it.
Pairs PlainScan(const QString& text) {
    Pairs pairs;
    if (text.indexOf(QLatin1String("<key>")) < 0 ||
        text.indexOf(QLatin1String("</key>"), text.indexOf(QLatin1String("<key>"))) < 0)
        return pairs;
    qsizetype pos = -1;
    for (;;) {
        const qsizetype k = text.indexOf(QLatin1String("<key>"), pos + 1);
        if (k < 0)
            break;
        const qsizetype keyEnd = text.indexOf(QLatin1String("</key>"), k + 5);
        const qsizetype valueTag =
            keyEnd < 0 ? -1 : text.indexOf(QLatin1String("<string>"), keyEnd);
        if (valueTag < 0)
            break;
        pos = valueTag + 8;
        const qsizetype valueEnd = text.indexOf(QLatin1String("</string>"), pos);
        if (valueEnd < 0)
            break;
        pairs.append({text.sliced(k + 5, keyEnd - k - 5), text.sliced(pos, valueEnd - pos)});
    }
    return pairs;
}

constexpr qsizetype kPlainScanLimit = 4096;

void CheckAgainstPlainScan(const QString& text, const Pairs& pairs) {
    qsizetype handedOn = 0;
    for (const auto& [key, value] : pairs)
        handedOn += key.size() + value.size();
    Require(handedOn <= text.size(), "more handed on than the text holds");
    if (text.size() > kPlainScanLimit)
        return;
    const Pairs plain = PlainScan(text);
    Require(plain.mid(0, pairs.size()) == pairs, "pairs differ from the plain scan");
    if (pairs.size() < plain.size()) {
        const auto& [key, value] = plain.at(pairs.size());
        Require(handedOn + key.size() + value.size() > text.size(), "stopped short of the bound");
    }
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

// Inputs go up to the largest file the store reads (it refuses larger ones
// unread), unless the command line names its own -max_len.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::string maxLen = "-max_len=" + std::to_string(PlistText::kMaxFileBytes);
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    bool given = false;
    for (char* arg : args)
        given = given || std::strncmp(arg, "-max_len=", 9) == 0;
    if (!given) {
        args.insert(args.begin() + 1, maxLen.data());
        args.push_back(nullptr);
        *argv = args.data();
        *argc += 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeText(bytes);
    CheckConversions(text);

    bool found = false;
    const Pairs pairs = Scan(text, &found);
    Require(found || pairs.isEmpty(), "pairs from a text without a key");
    CheckAgainstPlainScan(text, pairs);

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
