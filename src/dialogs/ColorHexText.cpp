#include "ColorHexText.h"

#include "text/Numbers.h"
#include "text/TextFunctions.h"

QString ColorHexText(Color color) {
    auto pair = [](int component) {
        QString digits = Hex(component);
        return Len(digits) < 2 ? QStringLiteral("0") + digits : digits;
    };
    return QStringLiteral("#") + pair(color.Red) + pair(color.Green) + pair(color.Blue);
}

std::int32_t ColorHexTextValue(const QString& text) {
    return ToInt32(Val(QStringLiteral("&h") + Replace(text, QStringLiteral("#"), QString())));
}

Color ColorOfValue(std::int32_t value) {
    // In 64 bits, so that no step can overflow whatever the value.
    const std::int64_t v = value;
    const std::int64_t red = v / 65536;
    const std::int64_t rest = v - red * 65536;
    const std::int64_t green = rest / 256;
    const std::int64_t blue = rest - green * 256;
    // RGB clamps each component to 0..255.
    return RGB(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue));
}
