#include "PatternEditing.h"

#include "Conversions.h"
#include "Errors.h"

#include <charconv>
#include <cmath>

namespace Quiverstep::PatternEditing {

namespace {

// The exact decimal digits of a whole number held in a double: formatted with a precision,
// to_chars gives every digit exactly, where dividing the double would round.
std::string wholeNumberDigits(double n)
{
    char digits[400]; // the largest double has 309
    const auto end = std::to_chars(digits, digits + sizeof digits, n, std::chars_format::fixed, 0);
    return std::string(digits, end.ptr);
}

} // namespace

std::optional<std::string> HundredthsText(double value)
{
    const double n = std::floor(std::abs(value) * 100 + 0.5);
    if (!std::isfinite(n))
        return std::nullopt;
    std::string digits = wholeNumberDigits(n);
    if (digits.size() < 3)
        digits = std::string(3 - digits.size(), '0') + digits;
    const std::size_t point = digits.size() - 2;
    return (value < 0 && n != 0 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
}

std::optional<std::string> AddedStepLine(std::string_view xText, std::string_view yText)
{
    double x = 0;
    double y = 0;
    try {
        x = StrictNumber(xText);
        y = StrictNumber(yText);
    } catch (const ConversionError &) {
        return std::nullopt;
    } catch (const OverflowError &) {
        return std::nullopt;
    }
    // A value whose hundredths overflow a double is not a number the editor can store.
    const auto xPart = HundredthsText(x);
    const auto yPart = HundredthsText(y);
    if (!xPart || !yPart)
        return std::nullopt;
    return " " + *xPart + ": " + *yPart;
}

LoadedBody LoadBody(std::string_view body)
{
    LoadedBody loaded;
    for (std::size_t slash = body.find('\\'); slash != std::string_view::npos;
         slash = body.find('\\')) {
        std::string step(body.substr(0, slash));
        body.remove_prefix(slash + 1);
        if (const std::size_t comma = step.find(','); comma != std::string::npos)
            step[comma] = ':';
        loaded.lines.push_back(std::move(step));
    }
    loaded.repeatFromTop = ToUpper(body) == "TOP";
    return loaded;
}

std::string BuildBody(const std::vector<std::string> &lines, bool repeatFromTop)
{
    std::string body;
    for (const std::string &line : lines)
        body += line + "\\";
    return body + (repeatFromTop ? "TOP" : "BOTTOM");
}

namespace {

std::string numberText(std::string_view text)
{
    const double value = LeadingNumber(text);
    return std::isfinite(value) ? RealToText(value) : std::string();
}

} // namespace

StepTexts LineStepTexts(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return {};
    return {numberText(line.substr(0, colon)), numberText(line.substr(colon + 1))};
}

} // namespace Quiverstep::PatternEditing
