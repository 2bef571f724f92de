#include "StoreCommands.h"

#include "SettingKeys.h"
#include "Settings.h"

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

struct StoreArguments
{
    std::string key;
    std::string value;
};

} // namespace

void AddStoreCommands(CLI::App &app, CommandContext &context)
{
    auto arguments = std::make_shared<StoreArguments>();
    CLI::App *store = app.add_subcommand("store", "Look at and change the stored settings");
    store->require_subcommand(1);

    CLI::App *list = store->add_subcommand("list", "Print every key and its value");
    list->callback([&context] {
        for (const auto &[key, value] : context.store().List(Keys::Application, Keys::Section))
            context.out << key << " = " << value << '\n';
    });

    CLI::App *get = store->add_subcommand("get", "Print the value of one key");
    get->add_option("KEY", arguments->key, "The key, quoted when it holds blanks")->required();
    get->callback([&context, arguments] {
        const auto value = Settings(context.store()).Find(arguments->key);
        if (!value)
            throw std::runtime_error("no key \"" + arguments->key + "\" in the store");
        context.out << *value << '\n';
    });

    CLI::App *set = store->add_subcommand("set", "Store a value under a key");
    set->add_option("KEY", arguments->key, "The key, quoted when it holds blanks")->required();
    set->add_option("VALUE", arguments->value, "The text to store (may be empty)")->required();
    set->callback([&context, arguments] {
        SettingsStore &store = context.store();
        StoreOperation operation(store);
        Settings(store).Save(arguments->key, arguments->value);
        operation.Commit();
    });
}

} // namespace Quiverstep
