#include "RunSettings.h"

#include "CommandContext.h"

#include "Conversions.h"
#include "DitherStepping.h"
#include "Errors.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "Spiral.h"

#include <cmath>
#include <optional>

namespace Quiverstep {

namespace {

constexpr double Centre = 16;

std::optional<double> numeric(const std::string &text)
{
    try {
        return StrictNumber(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    } catch (const OverflowError &) {
        return std::nullopt;
    }
}

// The stored dither type as the dialog selects it when it opens: a negative index, or one
// that names no listed pattern, selects the spiral.
std::int32_t storedType(const Settings &settings, const PatternList &list)
{
    const double index = DecodeDitherType(settings.Get(Keys::DitherType, "0"));
    if (index < 0 || index >= list.nextPattern)
        return 0;
    return std::int32_t(index);
}

std::int32_t typeByName(const std::string &text, const PatternList &list)
{
    const std::string upper = ToUpper(text);
    if (upper == "SPIRAL")
        return 0;
    if (upper == "RANDOM")
        return 1;
    if (!text.empty() && text.size() <= 9
        && text.find_first_not_of("0123456789") == std::string::npos) {
        const std::int32_t index = std::stoi(text);
        if (index < list.nextPattern)
            return index;
    }
    std::string names;
    for (const PatternEntry &pattern : list.patterns) {
        if (ToUpper(pattern.name) == upper)
            return pattern.number;
        names += (names.empty() ? "" : ", ") + pattern.name;
    }
    throw UsageError("unknown dither type \"" + text
                     + "\": use spiral, random, or a stored "
                       "pattern by number or name"
                     + (names.empty() ? "" : " (" + names + ")"));
}

// Whether every step of pattern n, scaled by the step size, stays inside the box.
bool patternFitsBox(const Settings &settings, std::int32_t n, double step, double max)
{
    if (n < 2)
        return true;
    const std::string text = ReadPattern(settings, n);
    for (std::size_t i = 1;; ++i) {
        const auto field = StepField(text, i);
        if (!field)
            return true;
        const StepParts parts = SplitStep(*field);
        const double x = LeadingNumber(parts.x) * step;
        const double y = LeadingNumber(parts.y) * step;
        if (max < std::abs(x) || max < std::abs(y))
            return false;
    }
}

// STAND-IN for the settings dialog's ValidateAndSave, kept here until the command line can
// call the dialog's own: the same checks in the same order with the same messages, then the
// same writes. Replace it by that call, not by a copy.
void validateAndSave(const Settings &settings,
                     std::int32_t type,
                     const std::string &stepText,
                     const std::string &maxText,
                     bool ao7,
                     bool log)
{
    const std::optional<double> max = numeric(maxText);
    if (!max)
        throw UsageError("Max Dither is not numeric.");
    const std::optional<double> step = numeric(stepText);
    if (!step)
        throw UsageError("Dither Step Size is not numeric");
    if (*max < *step)
        throw UsageError("Step Size is larger than dither box size - please fix");
    if (*max >= 14)
        throw UsageError("Max Dither box size is too large: the guide star will come too close "
                         "to the edge of the guide box");
    if (*step <= 0)
        throw UsageError("Step Size should be greater than zero");
    if (type < 0)
        throw UsageError("Please select dither type");
    if (!patternFitsBox(settings, type, *step, *max))
        throw UsageError("Selected dither pattern and step size will take the guide star "
                         "outside the specified Max Dither box.\r\nPlease choose a different "
                         "pattern or increase Max Dither and/or decrease Step Size.");
    if (ao7 && *step != std::trunc(*step))
        throw UsageError("AO-7 dither can only step a whole number of pixels: fractional step "
                         "is not supported");

    double x = Centre;
    double y = Centre;
    if (type >= 2) {
        const std::string text = ReadPattern(settings, type);
        if (text.empty())
            throw UsageError("Dither Pattern doesn't exist. Please select another.");
        const StepParts first = SplitStep(StepField(text, 1).value_or(""));
        x = LeadingNumber(first.x) * *step + Centre;
        y = LeadingNumber(first.y) * *step + Centre;
        settings.Save(Keys::CurrentStep, "1");
        settings.Save(Keys::CurrentDirection, "False");
    }
    settings.Save(Keys::CurrentOffsetX, RealToText(x));
    settings.Save(Keys::CurrentOffsetY, RealToText(y));
    settings.Save(Keys::DitherType, IntegerToText(type));
    settings.Save(Keys::DitherStep, stepText);
    settings.Save(Keys::MaxDitherX, maxText);
    settings.Save(Keys::MaxDitherY, maxText);
    settings.Save(Keys::AO7Compatible, ao7 ? "1" : "0");
    settings.Save(Keys::Log, log ? "1" : "0");
    Spiral::InitSpiral(settings, *max, *step, true);
}

bool storedCheckBox(const Settings &settings, std::string_view key)
{
    return RoundHalfEven(LeadingNumber(settings.Get(key, "False"))) != 0;
}

} // namespace

void SaveRunSettings(SettingsStore &store, const RunSettings &request)
{
    StoreOperation operation(store);
    const Settings settings(store);
    // What the dialog does when it opens, so that the patterns can be chosen by name.
    InstallBuiltInPatterns(settings);
    const PatternList list = EnumeratePatterns(settings);

    const std::int32_t type = request.type ? typeByName(*request.type, list)
                                           : storedType(settings, list);
    validateAndSave(settings,
                    type,
                    request.step.value_or(settings.Get(Keys::DitherStep, "1")),
                    request.max.value_or(settings.Get(Keys::MaxDitherX, "4")),
                    storedCheckBox(settings, Keys::AO7Compatible),
                    storedCheckBox(settings, Keys::Log));
    operation.Commit();
}

} // namespace Quiverstep
