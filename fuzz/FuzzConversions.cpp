// The text conversions on arbitrary text: the lenient reader never fails, the strict ones
// fail only with their own errors, and whatever the writers produce reads back.
#include "Conversions.h"
#include "DitherStepping.h"
#include "DitherType.h"
#include "Errors.h"
#include "FuzzCheck.h"
#include "Pattern.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

using namespace Quiverstep;

namespace {

// A real number as the store holds it must read back, strictly, as nearly the same value
// and must write again as the same text.
void checkRealText(double value)
{
    std::string text;
    try {
        text = RealToText(value);
    } catch (const OverflowError &) {
        FUZZ_CHECK(!std::isfinite(value) || std::fabs(value) > 1.79769313486231e308,
                   "a finite number has no text");
        return;
    }
    FUZZ_CHECK(std::isfinite(value), "a number that is not finite got a text");
    FUZZ_CHECK(text.find(',') == std::string::npos, "a comma in a number");
    const std::size_t point = text.find('.');
    const std::size_t exponent = text.find('E');
    if (point != std::string::npos) {
        const char last = text[(exponent == std::string::npos ? text.size() : exponent) - 1];
        FUZZ_CHECK(last != '0' && last != '.', "a trailing zero or point");
    }
    double back = 0;
    try {
        back = StrictNumber(text);
    } catch (...) {
        FUZZ_CHECK(false, "a written number does not read back");
    }
    FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14, "a number changed on its way");
    FUZZ_CHECK(RealToText(back) == text, "a number's text is not stable");
}

void checkRounding(double value)
{
    const double r = RoundHalfEven(value);
    if (!std::isfinite(value))
        return;
    FUZZ_CHECK(r == std::floor(r), "rounding gave a fraction");
    FUZZ_CHECK(std::fabs(r - value) <= 0.5, "rounding went too far");
    if (std::fabs(r - value) == 0.5)
        FUZZ_CHECK(std::fmod(r, 2) == 0, "a half went to the odd neighbour");
    try {
        const std::int16_t i = ToInteger(value);
        FUZZ_CHECK(i == r, "a 16-bit integer differs from the rounded value");
    } catch (const OverflowError &) {
        FUZZ_CHECK(r < -32768 || r > 32767, "a 16-bit integer that fits was refused");
    }
    try {
        const std::int32_t i = ToLong(value);
        FUZZ_CHECK(i == r, "a 32-bit integer differs from the rounded value");
        const std::string text = IntegerToText(i);
        FUZZ_CHECK(StrictNumber(text) == i, "an integer text does not read back");
    } catch (const OverflowError &) {
        FUZZ_CHECK(r < -2147483648.0 || r > 2147483647.0, "a 32-bit integer that fits was refused");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const double leading = LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(leading), "the leading number is NaN");
    checkRounding(leading);
    checkRealText(leading);

    try {
        const double strict = StrictNumber(text);
        FUZZ_CHECK(std::isfinite(strict), "a strict number is not finite");
        FUZZ_CHECK(strict == leading, "the strict and the leading number differ");
        checkRealText(strict);
    } catch (const ConversionError &) {
    } catch (const OverflowError &) {
        FUZZ_CHECK(std::isinf(leading), "an overflow without a large number");
    }

    try {
        StrictFlag(text);
    } catch (const ConversionError &) {
    } catch (const OverflowError &) {
    }

    const double type = DitherType::Decode(text);
    FUZZ_CHECK(!std::isnan(type), "a dither type is NaN");

    const StepParts parts = SplitStep(text);
    FUZZ_CHECK(parts.hasSeparator || parts.y == text, "a step without separator lost its text");
    LeadingNumber(parts.x);
    LeadingNumber(parts.y);

    if (size >= 8) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkRealText(raw);
        checkRounding(raw);
    }
    if (size >= 8) {
        std::int32_t a = 0, b = 0;
        std::memcpy(&a, data, 4);
        std::memcpy(&b, data + 4, 4);
        try {
            FUZZ_CHECK(CheckedAdd(a, b) == std::int64_t(a) + b, "a checked sum is wrong");
        } catch (const OverflowError &) {
            const std::int64_t sum = std::int64_t(a) + b;
            FUZZ_CHECK(sum > std::numeric_limits<std::int32_t>::max()
                               || sum < std::numeric_limits<std::int32_t>::min(),
                       "a sum that fits was refused");
        }
    }
    return 0;
}
