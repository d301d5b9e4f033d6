#include "text/Variant.h"

#include <QHashFunctions>

namespace {

const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString Variant::StringValue() const {
    switch (mType) {
    case Type::String:
        return mText;
    case Type::Boolean:
        return TextOf(mBoolean);
    case Type::Color:
        return TextOf(mColor);
    case Type::Nil:
        break;
    }
    return QString();
}

std::optional<bool> Variant::ToBoolean() const {
    if (mType == Type::Boolean)
        return mBoolean;
    if (mType == Type::String)
        return BooleanFromText(mText);
    return std::nullopt;
}

std::optional<Color> Variant::ToColor() const {
    if (mType == Type::Color)
        return mColor;
    if (mType == Type::String)
        return ColorFromText(mText);
    return std::nullopt;
}

QString Variant::TextOf(bool value) {
    return value ? kTrue : kFalse;
}

QString Variant::TextOf(Color value) {
    static const char16_t digits[] = u"0123456789ABCDEF";
    const std::uint32_t rgb = value.Value();
    char16_t text[8] = {u'0', u'x'};
    for (int i = 0; i < 6; ++i)
        text[7 - i] = digits[(rgb >> (4 * i)) & 0xF];
    return QString(reinterpret_cast<const QChar*>(text), 8);
}

std::optional<bool> Variant::BooleanFromText(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.compare(kTrue, Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(kFalse, Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<Color> Variant::ColorFromText(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.size() != 8 || t[0] != u'0' || (t[1] != u'x' && t[1] != u'X'))
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (qsizetype i = 2; i < 8; ++i) {
        const int digit = HexDigitValue(t[i]);
        if (digit < 0)
            return std::nullopt;
        rgb = (rgb << 4) | static_cast<std::uint32_t>(digit);
    }
    return Color::FromValue(rgb);
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.mType != b.mType)
        return false;
    switch (a.mType) {
    case Variant::Type::String:
        return a.mText == b.mText;
    case Variant::Type::Boolean:
        return a.mBoolean == b.mBoolean;
    case Variant::Type::Color:
        return a.mColor == b.mColor;
    case Variant::Type::Nil:
        break;
    }
    return true;
}

size_t qHash(const Variant& key, size_t seed) {
    return qHashMulti(seed, static_cast<int>(key.VarType()), key.StringValue());
}
