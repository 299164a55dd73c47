#pragma once
// Text and number services. Texts are UTF-8 std::strings; positions count characters (code
// points) from 1. Numbers never pass through the C locale: a German locale would otherwise turn
// the decimal point into a comma.

#include <cstdint>
#include <string>
#include <string_view>

// Decimal text of a Double: at most 15 significant digits, plain positional notation (never an
// exponent, since the polynomial reader drops the letter e), "." as decimal point, "-" for
// negatives, no trailing zeros or trailing ".", whole numbers without a point, -0 as "0".
// Infinities and NaN are written "inf", "-inf" and "nan". Val(Str(x)) is written as Str(x)
// again (subnormal values get as many digits as keep that true).
std::string Str(double value);
// The digits of a whole number, with "-" for negatives.
std::string Str(std::int32_t value);
// Reads the number that begins the text: leading blanks, an optional sign, digits and one ".".
// Stops at the first other character; 0 when no number begins the text. A number too large for
// a Double gives an infinity with its sign.
double Val(std::string_view text);

// First position (from 1) of `what` in `text`, 0 when absent; the empty `what` is found at 1.
// Letter case counts.
std::int32_t InStr(std::string_view text, std::string_view what);
// The rest of `text` from position `start` (from 1); "" past the end; a start below 1 counts
// as 1.
std::string Mid(std::string_view text, std::int32_t start);
// `count` characters from position `start`; none for a start below 1 or a count below 1.
std::string Mid(std::string_view text, std::int32_t start, std::int32_t count);
// The first `count` characters ("" for a count below 1).
std::string Left(std::string_view text, std::int32_t count);
// Number of characters.
std::int32_t Len(std::string_view text);
// The character with the given code (UTF-8 encoded).
std::string Chr(std::int32_t code);

// Nearest whole number, halves away from zero.
double Round(double x);
double Abs(double x);
double Min(double a, double b);
double Max(double a, double b);
// Power of two Doubles; a negative base with a whole exponent works, x^0 is 1 for every x.
double Pow(double base, double exponent);
// Double to Int32, defined for every value: the value is rounded to the nearest whole number
// and clamped to the Int32 range; NaN gives 0.
std::int32_t ToInt32(double x);
