#pragma once

#include <QString>

// The string functions the application is written against. Positions count
// from 1; every function is defined for every input (empty text, positions
// out of range, huge or negative counts) and never reads outside its text.

// Number of characters (UTF-16 code units, as QString counts them).
int Len(const QString& text);
// The one-character text of a character code; empty for codes that are not
// valid Unicode scalar values.
QString Chr(int code);
// The leading number of a text: optional blanks (spaces, tabs), an optional
// sign, digits with an optional decimal point and exponent ("e" or "E", an
// optional sign, digits; an "e" without digits ends the number). After the
// blanks, "&h" (any case) introduces hexadecimal digits, "&o" octal and "&b"
// binary, read as a whole number with no sign. Only ASCII digits count, and
// the decimal point is "." whatever the locale. 0 when there is none.
// A number too large for a double gives +/- infinity's nearest finite value,
// one too small gives 0, never undefined behaviour; "-0" reads as 0.
double Val(const QString& text);
// The decimal form of a whole number.
QString Str(long long value);
// The decimal form of a real number, shortest form that reads back exactly
// ("0.1", "5400", "1e+300"); "inf", "-inf" and "nan" for the others.
QString Str(double value);
// Formats a number with a pattern made of "0" and "#" digit places ("00":
// at least two digits, zero-padded): each "0" is a digit that is always
// written, "#" and any other character add nothing. The value is rounded to
// a whole number, halves away from zero; a negative result gets a leading
// "-" ("-05"). NaN is written as 0 ("00"), +/- infinity as the largest
// finite double of its sign (309 digits).
QString Format(double value, const QString& pattern);
// Upper-case hexadecimal digits with no leading zeros ("0" for 0). Negative
// values are shown in two's complement of 32 bits ("FFFFFFFF" for -1), or of
// 64 bits for those below the 32-bit range.
QString Hex(long long value);
// The `length` characters from `start`; to the end when length < 0, empty
// when start is past the end. A start before 1 counts as 1.
QString Mid(const QString& text, int start, int length = -1);
// The first (last) `count` characters; all when count exceeds the length,
// none when count <= 0.
QString Left(const QString& text, int count);
QString Right(const QString& text, int count);
// Position of the first `find` at or after `start`, 0 when absent, matching
// case exactly; a start before 1 counts as 1. An empty `find` gives `start`
// when it is at most Len(text) + 1, else 0.
int InStr(int start, const QString& text, const QString& find);
int InStr(const QString& text, const QString& find);
// The n-th field (from 1) of `text` split at `separator`, empty when there is
// none. Fields may be empty ("a,,b" has three); an empty separator leaves the
// whole text as the one field.
QString NthField(const QString& text, const QString& separator, int n);
// The number of fields NthField sees: separators + 1 (1 for an empty text).
int CountFields(const QString& text, const QString& separator);
// Replaces the first occurrence of `find` by `replacement`; an empty `find`
// changes nothing.
QString Replace(const QString& text, const QString& find, const QString& replacement);
// Replaces every occurrence, left to right without overlaps.
QString ReplaceAll(const QString& text, const QString& find, const QString& replacement);
