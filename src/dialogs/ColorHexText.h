#pragma once

#include <QString>
#include <cstdint>

#include "text/Color.h"

// The one text form of a colour that colour wells drag and drop: "#" and
// two hexadecimal digits each for red, green and blue ("#0080FF").

// The text of a colour, upper-case digits, seven characters.
QString ColorHexText(Color color);

// The number a text stands for: its first "#" removed, its leading
// hexadecimal digits (either case) read; 0 when there are none. More
// digits than fit stop at the largest 32-bit value.
std::int32_t ColorHexTextValue(const QString& text);

// Splits &hRRGGBB into red, green and blue. Above &hFFFFFF red stops at
// 255 and the low 16 bits still give green and blue; a negative number
// gives black components where it would go below 0. Every value gives a
// valid colour.
Color ColorOfValue(std::int32_t value);
