#include "text/Color.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace {
QColor ToQColor(const Color& c) {
    return QColor(c.Red, c.Green, c.Blue);
}

// NaN, which a comparison would let through, counts as 0.
double Unit(double v) {
    return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0);
}
} // namespace

double Color::Hue() const {
    return std::max(0.0, static_cast<double>(ToQColor(*this).hsvHueF()));
}
double Color::Saturation() const {
    return ToQColor(*this).hsvSaturationF();
}
double Color::HSVValue() const {
    return ToQColor(*this).valueF();
}

Color HSV(double hue, double saturation, double value) {
    // A hue of 1 is a full turn, the same as 0; the toolkit refuses 1 itself.
    const double h = Unit(hue) >= 1.0 ? 0.0 : Unit(hue);
    const QColor c = QColor::fromHsvF(static_cast<float>(h), static_cast<float>(Unit(saturation)),
                                      static_cast<float>(Unit(value)));
    return RGB(c.red(), c.green(), c.blue());
}
