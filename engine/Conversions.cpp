#include "Conversions.h"

#include "Errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace Quiverstep {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Scanned
{
    std::size_t end = 0;    // one past the last character of the number
    bool found = false;     // at least one digit was taken
    std::string normalized; // the number in from_chars' syntax
    long long exponent = 0;
    long long integerDigits = 0; // significant digits before the point
};

// Scans the number syntax starting at `pos`.
Scanned scanNumber(std::string_view text, std::size_t pos)
{
    Scanned s;
    std::size_t i = pos;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string mantissa;
    std::size_t digits = 0;
    bool leadingZero = true;
    while (i < text.size() && isDigit(text[i])) {
        if (text[i] != '0')
            leadingZero = false;
        if (!leadingZero)
            ++s.integerDigits;
        mantissa += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && isDigit(text[j]))
            fraction += text[j++];
        if (digits + fraction.size() > 0) {
            digits += fraction.size();
            mantissa += '.';
            mantissa += fraction;
            i = j;
        }
    }
    if (digits == 0)
        return s;
    std::string exponentText;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string candidate = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            candidate += text[j++];
        std::size_t exponentDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            candidate += text[j++];
            ++exponentDigits;
        }
        if (exponentDigits > 0) {
            exponentText = candidate;
            i = j;
            // Saturate: only the sign and rough size matter for range checks.
            long long e = 0;
            for (std::size_t k = 1; k < candidate.size(); ++k) {
                if (isDigit(candidate[k]) && e < 100000)
                    e = e * 10 + (candidate[k] - '0');
            }
            s.exponent = candidate.size() > 1 && candidate[1] == '-' ? -e : e;
        }
    }
    s.found = true;
    s.end = i;
    s.normalized = (negative ? "-" : "") + mantissa + exponentText;
    return s;
}

// Converts a scanned number; out of range gives +-infinity (overflow) or 0 (underflow).
double convert(const Scanned &s, bool &overflow)
{
    overflow = false;
    double value = 0;
    const char *first = s.normalized.data();
    const char *last = first + s.normalized.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    (void) ptr;
    if (ec == std::errc::result_out_of_range) {
        const bool negative = !s.normalized.empty() && s.normalized[0] == '-';
        if (s.integerDigits + s.exponent > 0) {
            overflow = true;
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        }
        return negative ? -0.0 : 0.0;
    }
    return value;
}

std::size_t skipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

std::string_view trimBlanks(std::string_view text)
{
    std::size_t b = skipBlanks(text, 0);
    std::size_t e = text.size();
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

} // namespace

double LeadingNumber(std::string_view text)
{
    const Scanned s = scanNumber(text, skipBlanks(text, 0));
    if (!s.found)
        return 0;
    bool overflow = false;
    return convert(s, overflow);
}

double StrictNumber(std::string_view text)
{
    const std::string_view t = trimBlanks(text);
    const Scanned s = scanNumber(t, 0);
    if (!s.found || s.end != t.size())
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    bool overflow = false;
    const double value = convert(s, overflow);
    if (overflow)
        throw OverflowError("number out of range: \"" + std::string(text) + "\"");
    return value;
}

bool StrictFlag(std::string_view text)
{
    const std::string upper = ToUpper(trimBlanks(text));
    if (upper == "TRUE")
        return true;
    if (upper == "FALSE")
        return false;
    try {
        return StrictNumber(text) != 0;
    } catch (const ConversionError &) {
        throw ConversionError("not a truth value: \"" + std::string(text) + "\"");
    }
}

std::string IntegerToText(std::int64_t value)
{
    return std::to_string(value);
}

namespace {

// Shortest text of at most the given significant digits, exponent form as "1E+15", "2.5E-07".
std::string numberText(double value, int digits)
{
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    const auto end = std::to_chars(buffer,
                                   buffer + sizeof buffer,
                                   value,
                                   std::chars_format::general,
                                   digits)
                             .ptr;
    std::string text(buffer, end);
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace

std::string RealToText(double value)
{
    if (!std::isfinite(value))
        throw OverflowError("number out of range");
    std::string text = numberText(value, 15);
    if (std::fabs(value) > 1e308) {
        // Next to the largest Double, 15 digits can round past it: such a text would not
        // read back, so the value counts as out of range like an infinity.
        double back = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), back).ec
            == std::errc::result_out_of_range)
            throw OverflowError("number out of range");
    }
    return text;
}

std::string SingleToText(float value)
{
    if (!std::isfinite(value))
        throw OverflowError("number out of range");
    return numberText(value, 7);
}

std::string FlagToText(bool value)
{
    return value ? "True" : "False";
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

namespace {

template<typename Integer>
Integer rounded(double value)
{
    const double r = RoundHalfEven(value);
    if (!(r >= std::numeric_limits<Integer>::min() && r <= std::numeric_limits<Integer>::max()))
        throw OverflowError("value does not fit a " + std::to_string(sizeof(Integer) * 8)
                            + "-bit integer");
    return static_cast<Integer>(r);
}

} // namespace

std::int16_t ToInteger(double value)
{
    return rounded<std::int16_t>(value);
}

std::int32_t ToLong(double value)
{
    return rounded<std::int32_t>(value);
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t(a) + b;
    if (sum < std::numeric_limits<std::int32_t>::min()
        || sum > std::numeric_limits<std::int32_t>::max())
        throw OverflowError("32-bit integer overflow");
    return std::int32_t(sum);
}

double Finite(double value)
{
    if (!std::isfinite(value))
        throw OverflowError("overflow");
    return value;
}

std::string ToUpper(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

} // namespace Quiverstep
