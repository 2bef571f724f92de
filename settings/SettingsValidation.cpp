#include "SettingsValidation.h"

#include "Conversions.h"
#include "DitherType.h"
#include "Errors.h"
#include "GuideBox.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <cmath>

namespace Quiverstep {

namespace {

// 16 plus or minus this would leave the 2 to 30 range the dither update keeps.
constexpr double LargestMaxDither = 14;

} // namespace

std::optional<double> TypedNumber(std::string_view text)
{
    try {
        return StrictNumber(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    } catch (const OverflowError &) {
        return std::nullopt; // too large for a number
    }
}

GuidePosition FirstStepPosition(std::string_view patternText, double stepSize)
{
    const auto field = StepField(patternText, 1);
    if (!field)
        return {};
    const StepParts parts = SplitStep(*field);
    return {LeadingNumber(parts.x) * stepSize + GuideBox::Centre,
            LeadingNumber(parts.y) * stepSize + GuideBox::Centre};
}

bool PatternFitsBox(const Settings &settings,
                    std::int64_t n,
                    std::string_view stepSizeText,
                    std::string_view maxDitherText)
{
    if (!DitherType::IsPattern(double(n)))
        return true;
    const double stepSize = StrictNumber(stepSizeText);
    const double maxDither = StrictNumber(maxDitherText);
    const std::string text = ReadPattern(settings, n);
    for (std::size_t i = 1;; ++i) {
        const auto field = StepField(text, i);
        if (!field)
            return true; // what is left is the end marker
        const StepParts parts = SplitStep(*field);
        const double x = LeadingNumber(parts.x) * stepSize;
        const double y = LeadingNumber(parts.y) * stepSize;
        if (maxDither < std::abs(x) || maxDither < std::abs(y))
            return false;
    }
}

std::optional<std::string> ValidateAndSave(const SettingsInput &input,
                                           SettingsStore &store,
                                           Spiral::State &spiral)
{
    const auto maxDither = TypedNumber(input.maxDither);
    if (!maxDither)
        return std::string(ValidationMessages::MaxDitherNotNumeric);
    const auto stepSize = TypedNumber(input.stepSize);
    if (!stepSize)
        return std::string(ValidationMessages::StepNotNumeric);
    if (*maxDither < *stepSize)
        return std::string(ValidationMessages::StepLargerThanBox);
    if (*maxDither >= LargestMaxDither)
        return std::string(ValidationMessages::BoxTooLarge);
    if (*stepSize <= 0)
        return std::string(ValidationMessages::StepNotPositive);
    if (input.ditherType < 0)
        return std::string(ValidationMessages::NoDitherType);

    const Settings settings(store);
    if (!PatternFitsBox(settings, input.ditherType, input.stepSize, input.maxDither))
        return std::string(ValidationMessages::PatternOutsideBox);
    if (input.ao7 != 0 && *stepSize != std::trunc(*stepSize))
        return std::string(ValidationMessages::FractionalAo7Step);

    StoreOperation operation(store);
    GuidePosition start;
    if (DitherType::IsPattern(input.ditherType)) {
        const std::string text = ReadPattern(settings, input.ditherType);
        if (text.empty())
            return std::string(ValidationMessages::PatternMissing);
        start = FirstStepPosition(text, *stepSize);
        settings.Save(Keys::CurrentStep, "1");
        settings.Save(Keys::CurrentDirection, FlagToText(false));
    }
    settings.Save(Keys::CurrentOffsetX, RealToText(start.x));
    settings.Save(Keys::CurrentOffsetY, RealToText(start.y));
    settings.Save(Keys::DitherType, IntegerToText(input.ditherType));
    settings.Save(Keys::DitherStep, input.stepSize);
    settings.Save(Keys::MaxDitherX, input.maxDither);
    settings.Save(Keys::MaxDitherY, input.maxDither);
    settings.Save(Keys::AO7Compatible, IntegerToText(input.ao7));
    settings.Save(Keys::Log, IntegerToText(input.log));
    Spiral::InitSpiral(spiral, settings, *maxDither, *stepSize, true);
    operation.Commit();
    return std::nullopt;
}

} // namespace Quiverstep
