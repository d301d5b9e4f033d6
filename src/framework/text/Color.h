#pragma once

#include <cstdint>

// A 24-bit RGB colour, 8 bits each for red, green and blue.
struct Color {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    // The 24-bit number &hRRGGBB (not the value of hue, saturation and value).
    constexpr std::uint32_t Value() const { return (Red << 16) | (Green << 8) | Blue; }
    static constexpr Color FromValue(std::uint32_t rgb) {
        return Color{static_cast<std::uint8_t>((rgb >> 16) & 0xFF),
                     static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
                     static_cast<std::uint8_t>(rgb & 0xFF)};
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;

    // Hue, saturation and value, each from 0 to 1. A grey has no hue: 0.
    double Hue() const;
    double Saturation() const;
    double HSVValue() const;
};

// Each component is clamped to 0..255.
constexpr Color RGB(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return Color{clamp(red), clamp(green), clamp(blue)};
}

// The colour of a hue, saturation and value, each from 0 to 1 (clamped),
// by the toolkit's conversion.
Color HSV(double hue, double saturation, double value);
