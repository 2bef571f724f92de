#include "DitherTypeList.h"

#include "Conversions.h"
#include "DitherType.h"
#include "SettingKeys.h"

namespace Quiverstep {

DitherTypeList FillDitherTypeList(const Settings &settings)
{
    DitherTypeList list;
    PatternList stored = EnumeratePatterns(settings);
    list.entries = {std::string(SpiralEntry), std::string(RandomEntry)};
    for (const PatternEntry &pattern : stored.patterns)
        list.entries.push_back(pattern.name);
    list.entries.emplace_back(AddNewPatternEntry);
    list.patterns = std::move(stored.patterns);
    list.nextPattern = stored.nextPattern;
    return list;
}

std::string DitherTypeName(const Settings &settings)
{
    const double type = DitherType::Decode(
            settings.Get(Keys::DitherType, Keys::Defaults::DitherType));
    if (type == DitherType::Spiral)
        return std::string(SpiralEntry);
    if (type == DitherType::Random)
        return std::string(RandomEntry);
    const std::string text = ReadPattern(settings, std::int64_t(type));
    if (text.empty())
        return Keys::Pattern(std::int64_t(type));
    return text.substr(0, text.find('\\'));
}

int InitialDitherTypeIndex(std::string_view storedType, std::size_t entryCount)
{
    const double index = DitherType::Decode(storedType);
    // The add entry is the last one: an index that reaches it opens the spiral.
    if (!(index >= 0) || !(index < double(entryCount) - 1))
        return 0;
    return int(index);
}

int CheckBoxState(std::string_view stored)
{
    const double state = RoundHalfEven(LeadingNumber(stored));
    if (state == 0)
        return 0;
    return state == 2 ? 2 : 1;
}

SettingsView LoadSettingsView(const Settings &settings)
{
    SettingsView view;
    const std::string storedType = settings.Get(Keys::DitherType, Keys::Defaults::DitherType);
    view.list = FillDitherTypeList(settings);
    view.ditherType = InitialDitherTypeIndex(storedType, view.list.entries.size());
    view.stepSize = settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep);
    view.maxDither = settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither);
    view.log = CheckBoxState(settings.Get(Keys::Log, "False"));
    view.ao7 = CheckBoxState(settings.Get(Keys::AO7Compatible, "False"));
    return view;
}

} // namespace Quiverstep
