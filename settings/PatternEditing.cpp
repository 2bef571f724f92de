#include "PatternEditing.h"

#include "Conversions.h"
#include "Errors.h"

#include <cmath>
#include <cstdio>

namespace Quiverstep::PatternEditing {

std::string HundredthsText(double value)
{
    const double n = std::floor(std::abs(value) * 100 + 0.5);
    const int hundredths = int(std::fmod(n, 100));
    const double whole = std::floor(n / 100);
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f.%02d", whole, hundredths);
    return (value < 0 && n != 0 ? "-" : "") + std::string(digits);
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
    // A number too large for a double would be stored as text no reader understands.
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return " " + HundredthsText(x) + ": " + HundredthsText(y);
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

std::optional<std::string> SaveProblem(std::string_view name, std::size_t lineCount)
{
    if (name.empty())
        return std::string(NameMissing);
    // The name ends at the first "\" when the pattern is read back.
    if (name.find('\\') != std::string_view::npos)
        return std::string(NameWithBackslash);
    if (lineCount == 0)
        return std::string(NoSteps);
    return std::nullopt;
}

int SelectionAfterDelete(int removedIndex, int remainingCount)
{
    if (removedIndex < remainingCount)
        return removedIndex;
    return removedIndex > 0 ? removedIndex - 1 : -1;
}

int MoveUpTarget(int selected)
{
    return selected < 1 ? -1 : selected - 1;
}

int MoveDownTarget(int selected, int count)
{
    return selected < 0 || selected + 1 >= count ? -1 : selected + 1;
}

} // namespace Quiverstep::PatternEditing
