#include "RunSettings.h"

#include "CommandContext.h"

#include "Conversions.h"
#include "DitherTypeList.h"
#include "Pattern.h"
#include "Settings.h"
#include "SettingsValidation.h"

namespace Quiverstep {

namespace {

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

} // namespace

void AddRunSettingsOptions(CLI::App &command, RunSettings &settings)
{
    command.add_option("--type",
                       settings.type,
                       "Dither type: spiral, random, or a stored pattern by number or name")
            ->type_name("TYPE");
    command.add_option("--step", settings.step, "Dither step size in pixels")->type_name("PIXELS");
    command.add_option("--max", settings.max, "Max dither in pixels")->type_name("PIXELS");
}

void SaveRunSettings(SettingsStore &store, const RunSettings &request, Spiral::State &spiral)
{
    StoreOperation operation(store);
    const Settings settings(store);
    // What the dialog shows when it opens (installing the built-in patterns), then its OK.
    InstallBuiltInPatterns(settings);
    const SettingsView view = LoadSettingsView(settings);
    SettingsInput input;
    input.ditherType = request.type ? typeByName(*request.type, EnumeratePatterns(settings))
                                    : view.ditherType;
    input.stepSize = request.step.value_or(view.stepSize);
    input.maxDither = request.max.value_or(view.maxDither);
    input.ao7 = view.ao7;
    input.log = view.log;
    if (const auto message = ValidateAndSave(input, store, spiral))
        throw UsageError(*message);
    operation.Commit();
}

} // namespace Quiverstep
