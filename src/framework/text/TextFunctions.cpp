#include "text/TextFunctions.h"

#include <QStringTokenizer>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

// Qt sizes are 64-bit; the application's positions and counts are Int32.
int clampToInt(qsizetype value) {
    return static_cast<int>(std::clamp<qsizetype>(value, INT_MIN, INT_MAX));
}

// Zero-based index of a 1-based position, positions before the first
// character counting as the first. Computed in 64 bits, so INT_MIN is safe.
qsizetype indexOfPosition(int position) {
    return std::max<qsizetype>(position, 1) - 1;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Only ASCII digits count: a full-width or Arabic-Indic digit ends a number.
bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of `c` as a digit of `radix` (2, 8 or 16), or -1.
int digitValue(QChar c, int radix) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < radix ? value : -1;
}

double saturateInfinity(double value) {
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

qsizetype skipDigits(const QString& text, qsizetype at) {
    while (at < text.size() && isDecimalDigit(text[at]))
        ++at;
    return at;
}

// The decimal number at the start of `text` (blanks already skipped):
// sign, digits, optional point and digits, optional exponent. An "e" that
// no digit follows is not part of the number.
double leadingDecimal(const QString& text, qsizetype start) {
    qsizetype at = start;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    const qsizetype mantissaStart = at;
    at = skipDigits(text, at);
    qsizetype mantissaDigits = at - mantissaStart;
    if (at < text.size() && text[at] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, at + 1);
        mantissaDigits += fractionEnd - at - 1;
        at = fractionEnd;
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == u'-' || text[exponent] == u'+'))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            at = exponentEnd;
    }
    // QStringView::toDouble reads in the C locale whatever locale the
    // process runs in (std::strtod would take "," as the point in many), is
    // correctly rounded, and gives infinity on overflow and 0 on underflow.
    const double value = QStringView(text).sliced(start, at - start).toDouble();
    // "-0" reads as plain 0, so that no "-0" shows up when it is written back.
    return value == 0.0 ? 0.0 : saturateInfinity(value);
}

// A whole number in base 2, 8 or 16 at `start`. The digits are regrouped as
// hexadecimal so that the library converts any length with one rounding.
double leadingRadixNumber(const QString& text, qsizetype start, int radix) {
    const int bitsPerDigit = radix == 16 ? 4 : radix == 8 ? 3 : 1;
    std::string bits;
    for (qsizetype at = start; at < text.size(); ++at) {
        const int digit = digitValue(text[at], radix);
        if (digit < 0)
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += (digit >> bit) & 1 ? '1' : '0';
    }
    if (bits.empty())
        return 0.0;
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    hex.reserve(bits.size() / 4);
    for (std::size_t at = 0; at < bits.size(); at += 4) {
        const int nibble = (bits[at] - '0') * 8 + (bits[at + 1] - '0') * 4 +
                           (bits[at + 2] - '0') * 2 + (bits[at + 3] - '0');
        hex += "0123456789ABCDEF"[nibble];
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    // A run of digits cannot underflow, so out of range means too large.
    return error == std::errc::result_out_of_range ? DBL_MAX : value;
}

} // namespace

int Len(const QString& text) {
    return clampToInt(text.size());
}

QString Chr(int code) {
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < 0 || code > 0x10FFFF || surrogate)
        return {};
    const char32_t scalar = static_cast<char32_t>(code);
    return QString::fromUcs4(&scalar, 1);
}

double Val(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    if (at + 1 < text.size() && text[at] == u'&') {
        switch (text[at + 1].toLower().unicode()) {
        case u'h':
            return leadingRadixNumber(text, at + 2, 16);
        case u'o':
            return leadingRadixNumber(text, at + 2, 8);
        case u'b':
            return leadingRadixNumber(text, at + 2, 2);
        default:
            return 0.0;
        }
    }
    return leadingDecimal(text, at);
}

QString Str(long long value) {
    return QString::number(value);
}

QString Str(double value) {
    // Shortest form that reads back exactly; "inf", "-inf" and "nan" for the
    // values that have no digits.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? QString::fromLatin1(buffer, end - buffer) : QString();
}

QString Format(double value, const QString& pattern) {
    // std::round rounds halves away from zero; NaN has no digits to show and
    // is written as 0, infinity as the largest finite value of its sign.
    const double whole = std::isnan(value) ? 0.0 : saturateInfinity(std::round(value));
    // DBL_MAX has 309 digits before the point and none after it.
    char buffer[DBL_MAX_10_EXP + 8];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(whole),
                                            std::chars_format::fixed, 0);
    if (error != std::errc())
        return {};
    const QString digits = QString::fromLatin1(buffer, end - buffer);
    // Compared after rounding, so -0.4 is "00", never "-00".
    const QString sign = whole < 0.0 ? QStringLiteral("-") : QString();
    return sign + digits.rightJustified(pattern.count(u'0'), u'0');
}

QString Hex(long long value) {
    unsigned long long bits = static_cast<unsigned long long>(value);
    if (value < 0 && value >= INT_MIN)
        bits = static_cast<std::uint32_t>(value);
    return QString::number(bits, 16).toUpper();
}

QString Mid(const QString& text, int start, int length) {
    const qsizetype from = indexOfPosition(start);
    if (from >= text.size() || length == 0)
        return {};
    if (length < 0)
        return text.sliced(from);
    return text.sliced(from, std::min<qsizetype>(length, text.size() - from));
}

QString Left(const QString& text, int count) {
    return count <= 0 ? QString() : text.first(std::min<qsizetype>(count, text.size()));
}

QString Right(const QString& text, int count) {
    return count <= 0 ? QString() : text.last(std::min<qsizetype>(count, text.size()));
}

int InStr(int start, const QString& text, const QString& find) {
    const qsizetype from = indexOfPosition(start);
    if (from > text.size())
        return 0;
    const qsizetype found = text.indexOf(find, from);
    return found < 0 ? 0 : clampToInt(found + 1);
}

int InStr(const QString& text, const QString& find) {
    return InStr(1, text, find);
}

QString NthField(const QString& text, const QString& separator, int n) {
    if (n < 1)
        return {};
    if (separator.isEmpty())
        return n == 1 ? text : QString();
    int field = 0;
    for (const QStringView part : QStringTokenizer(text, separator)) {
        if (++field == n)
            return part.toString();
    }
    return {};
}

int CountFields(const QString& text, const QString& separator) {
    if (separator.isEmpty())
        return 1;
    // Counted the way NthField walks the text: "aaa" split at "aa" is two
    // fields, where QString::count would see two overlapping separators.
    qsizetype fields = 0;
    for ([[maybe_unused]] const QStringView part : QStringTokenizer(text, separator))
        ++fields;
    return clampToInt(fields);
}

QString Replace(const QString& text, const QString& find, const QString& replacement) {
    const qsizetype found = find.isEmpty() ? -1 : text.indexOf(find);
    if (found < 0)
        return text;
    return QString(text).replace(found, find.size(), replacement);
}

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty())
        return text;
    return QString(text).replace(find, replacement);
}
