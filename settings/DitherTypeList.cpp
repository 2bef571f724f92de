#include "DitherTypeList.h"

#include "Conversions.h"
#include "DitherStepping.h"
#include "SettingKeys.h"

namespace Quiverstep {

DitherTypeList FillDitherTypeList(const Settings &settings)
{
    DitherTypeList list;
    PatternList stored = EnumeratePatterns(settings);
    list.entries = {"Spiral", "Random"};
    for (const PatternEntry &pattern : stored.patterns)
        list.entries.push_back(pattern.name);
    list.entries.emplace_back(AddNewPatternEntry);
    list.patterns = std::move(stored.patterns);
    list.nextPattern = stored.nextPattern;
    return list;
}

int InitialDitherTypeIndex(std::string_view storedType, std::size_t entryCount)
{
    const double index = DecodeDitherType(storedType);
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
    const std::string storedType = settings.Get(Keys::DitherType, "0");
    view.list = FillDitherTypeList(settings);
    view.ditherType = InitialDitherTypeIndex(storedType, view.list.entries.size());
    view.stepSize = settings.Get(Keys::DitherStep, "1");
    view.maxDither = settings.Get(Keys::MaxDitherX, "4");
    view.log = CheckBoxState(settings.Get(Keys::Log, "False"));
    view.ao7 = CheckBoxState(settings.Get(Keys::AO7Compatible, "False"));
    return view;
}

} // namespace Quiverstep
