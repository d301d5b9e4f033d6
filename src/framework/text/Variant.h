#pragma once

#include <QString>
#include <optional>

#include "text/Color.h"

// A value of one of the few types the application stores: nothing (nil), a
// String, a Boolean or a Color. Every value has a text form, and the text
// form of a Boolean or a Color converts back to exactly the same value:
//   Boolean: "True" or "False"
//   Color:   "0x" and six upper-case hexadecimal digits RRGGBB ("0x9F9F9F")
// These forms hold no "&", "<" or ">", so they go into XML as they stand,
// and the colour form cannot be mistaken for the colour well's "#RRGGBB".
class Variant {
  public:
    enum class Type { Nil, String, Boolean, Color };

    Variant() = default;
    Variant(const QString& text) : mType(Type::String), mText(text) {}
    Variant(const char* text) : Variant(QString::fromUtf8(text)) {}
    Variant(bool value) : mType(Type::Boolean), mBoolean(value) {}
    Variant(Color value) : mType(Type::Color), mColor(value) {}

    Type VarType() const { return mType; }
    bool IsNil() const { return mType == Type::Nil; }

    // The text form; empty for nil.
    QString StringValue() const;
    // The value as a Boolean or a Color: a text converts when it is one of
    // the forms above (letter case and surrounding blanks aside), otherwise
    // there is no value. Other types have none either.
    std::optional<bool> ToBoolean() const;
    std::optional<Color> ToColor() const;
    // As above, with False and black where there is no value.
    bool BooleanValue() const { return ToBoolean().value_or(false); }
    Color ColorValue() const { return ToColor().value_or(Color{}); }

    static QString TextOf(bool value);
    static QString TextOf(Color value);
    static std::optional<bool> BooleanFromText(const QString& text);
    static std::optional<Color> ColorFromText(const QString& text);

    // Same type and same value; texts compare exactly, letter case included.
    friend bool operator==(const Variant& a, const Variant& b);

  private:
    Type mType = Type::Nil;
    QString mText;
    bool mBoolean = false;
    Color mColor;
};

size_t qHash(const Variant& key, size_t seed = 0);
