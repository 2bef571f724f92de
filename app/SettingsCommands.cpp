#include "SettingsCommands.h"

#include "DitherTypeList.h"
#include "SettingsValidation.h"

#include "MemoryStore.h"
#include "SettingKeys.h"

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

struct SaveArguments
{
    int type = 0;
    std::string step;
    std::string max;
    bool ao7 = false;
    bool log = false;
};

const char *stateText(int state)
{
    return state == 0 ? "unchecked" : state == 2 ? "grayed" : "checked";
}

void show(CommandContext &context)
{
    // The dialog installs the built-in patterns as it opens; showing must not write, so the
    // view is taken from a copy.
    MemoryStore copy;
    for (const auto &[key, value] : context.store().List(Keys::Application, Keys::Section))
        copy.SaveSetting(Keys::Application, Keys::Section, key, value);
    const Settings settings(copy);
    InstallBuiltInPatterns(settings);
    const SettingsView view = LoadSettingsView(settings);

    std::ostream &out = context.out;
    out << "Dither Type: " << view.list.entries[std::size_t(view.ditherType)] << '\n'
        << "Step Size: " << view.stepSize << '\n'
        << "Max Dither: " << view.maxDither << '\n'
        << "Using AO-7: " << stateText(view.ao7) << '\n'
        << "Log: " << stateText(view.log) << '\n'
        << "Dither types:\n";
    for (std::size_t i = 0; i < view.list.entries.size(); ++i)
        out << i << ' ' << view.list.entries[i] << '\n';
}

void save(CommandContext &context, const SaveArguments &arguments)
{
    SettingsStore &store = context.store();
    // As in the dialog, the built-in patterns are there before the check; they are kept
    // only together with a successful save.
    StoreOperation operation(store);
    InstallBuiltInPatterns(Settings(store));
    const SettingsInput input{arguments.max,
                              arguments.step,
                              arguments.type,
                              arguments.ao7 ? 1 : 0,
                              arguments.log ? 1 : 0};
    if (const auto problem = ValidateAndSave(input, store, context.process.spiral)) {
        context.err << *problem << '\n';
        context.status = 1;
        return;
    }
    operation.Commit();
}

} // namespace

void AddSettingsCommands(CLI::App &app, CommandContext &context)
{
    CLI::App *settings = app.add_subcommand("settings",
                                            "The settings as the settings dialog shows and "
                                            "stores them");
    settings->require_subcommand(1);

    CLI::App *showCommand = settings->add_subcommand(
            "show", "Print the dialog's values and the dither type list with its indices");
    showCommand->callback([&context] { show(context); });

    auto arguments = std::make_shared<SaveArguments>();
    CLI::App *saveCommand = settings->add_subcommand(
            "save",
            "Check and store settings as the dialog's OK does; a failing check prints its "
            "message and stores nothing");
    saveCommand->add_option("--type", arguments->type, "Index in the dither type list")->required();
    saveCommand->add_option("--step", arguments->step, "Step Size text, stored as given")->required();
    saveCommand->add_option("--max", arguments->max, "Max Dither text, stored as given")->required();
    saveCommand->add_flag("--ao7", arguments->ao7, "Using AO-7");
    saveCommand->add_flag("--log", arguments->log, "Log");
    saveCommand->callback([&context, arguments] { save(context, *arguments); });
}

} // namespace Quiverstep
