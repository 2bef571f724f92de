#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Quiverstep {

// Numeric prefix of a text: leading blanks, sign, digits, one ".", exponent with "E" or "D".
// Never fails; a text without digits gives 0. Too large a value gives an infinity.
double LeadingNumber(std::string_view text);

// The whole text (blanks around it allowed) must be a number; throws ConversionError.
double StrictNumber(std::string_view text);

// "True"/"False" in any case, or a number (non-zero is true); throws ConversionError.
bool StrictFlag(std::string_view text);

std::string IntegerToText(std::int64_t value);

// Shortest text of at most 15 significant digits, "." separator: 16, 15.5, -0.25, 0.3.
// Throws OverflowError for a value that is not finite, or so close to the largest Double
// that its 15-digit text would not read back.
std::string RealToText(double value);

// A Single's text: as RealToText with at most 7 significant digits (0.1f is "0.1").
std::string SingleToText(float value);

std::string FlagToText(bool value);

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// Rounded to a 16-bit or 32-bit integer; throws OverflowError when it does not fit.
std::int16_t ToInteger(double value);
std::int32_t ToLong(double value);

// 32-bit addition that throws OverflowError instead of wrapping.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);

// The value of Double arithmetic; throws OverflowError where it has become infinite or NaN,
// as the host's automation arithmetic overflows.
double Finite(double value);

std::string ToUpper(std::string_view text);

} // namespace Quiverstep
