#pragma once

#include <cstdint>

// A real number becomes a whole number by truncation toward zero; values
// beyond the target type saturate at its ends and NaN becomes 0, so the
// conversion is defined for every input.
std::int32_t ToInt32(double value);
std::int64_t ToInt64(double value);

// Whole-number arithmetic that saturates instead of overflowing.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b);
std::int32_t SaturatingMul(std::int32_t a, std::int32_t b);

// The C library's functions: Sqrt of a negative value is NaN; Max with one
// NaN argument gives the other one.
double Sqrt(double value);
double Abs(double value);
double Max(double a, double b);
double Pow(double base, double exponent);
