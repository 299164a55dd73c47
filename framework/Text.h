#pragma once
// Text and number services. Texts are UTF-8 std::strings; positions count characters (code
// points) from 1. Numbers never pass through the C locale: a German locale would otherwise turn
// the decimal point into a comma.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Decimal text of a Double: at most 15 significant digits, plain positional notation (never an
// exponent, since the polynomial reader refuses the letter e), "." as decimal point, "-" for
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
// Reads a number that the user typed into a number field, and refuses what is none. Every blank
// (IstLeerraum) is dropped, "," is read as the decimal point and the minus sign U+2212 as "-";
// what is left must be an optional sign and digits with at most one point: "2,5", "-0.5",
// "+3", ".5", "5." and "1 000" are numbers, as is everything Str writes of a finite number;
// "1/2", "1e5", "1.2.3", "--1", "." and "abc" are not (std::nullopt). The empty text, or one of
// blanks only, reads as 0. A number beyond the range of a Double gives an infinity with its
// sign, as Val does.
std::optional<double> GetippteZahl(std::string_view text);

// One character of a UTF-8 text: its code point and its length in bytes. A byte that begins no
// well-formed character (a stray continuation byte, a sequence cut short, an overlong or a
// surrogate form) is a character of its own, one byte long, and not `gueltig`.
struct Zeichen {
    char32_t code = 0;
    std::size_t laenge = 1;
    bool gueltig = true;
};
// The character that begins at byte `at` of `text`; requires at < text.size().
Zeichen ZeichenAb(std::string_view text, std::size_t at);
// Blank, tab, the line ends and the other spaces of Unicode (no-break space, thin space ...):
// the characters that typed polynomials and numbers skip.
bool IstLeerraum(char32_t code);

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
