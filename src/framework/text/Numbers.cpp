#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Truncates and saturates into Int. The bounds are compared as doubles that
// are exact powers of two (2^31, 2^63), so the test itself cannot round.
template <class Int> Int truncateSaturating(double value) {
    if (std::isnan(value))
        return 0;
    const double whole = std::trunc(value);
    constexpr double upperBound = -static_cast<double>(std::numeric_limits<Int>::min());
    if (whole >= upperBound)
        return std::numeric_limits<Int>::max();
    if (whole < static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(whole);
}

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t ToInt32(double value) {
    return truncateSaturating<std::int32_t>(value);
}

std::int64_t ToInt64(double value) {
    return truncateSaturating<std::int64_t>(value);
}

// Two 32-bit operands never overflow 64 bits, neither summed nor multiplied.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    return clampToInt32(std::int64_t{a} + b);
}

std::int32_t SaturatingMul(std::int32_t a, std::int32_t b) {
    return clampToInt32(std::int64_t{a} * b);
}

double Sqrt(double value) {
    return std::sqrt(value);
}

double Abs(double value) {
    return std::fabs(value);
}

double Max(double a, double b) {
    return std::fmax(a, b);
}

double Pow(double base, double exponent) {
    return std::pow(base, exponent);
}
