#include "CommandLine.h"

#include "CommandContext.h"
#include "GuiCommands.h"
#include "HostCommand.h"
#include "PathCommand.h"
#include "RunCommand.h"
#include "SettingsCommands.h"
#include "StoreCommands.h"

#include "Errors.h"
#include "SqliteStore.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace Quiverstep {

SettingsStore &CommandContext::store()
{
    if (!m_store) {
        if (storePath.empty())
            m_store = SqliteStore::OpenUserStore();
        else
            m_store = std::make_unique<SqliteStore>(storePath);
    }
    return *m_store;
}

int RunCommandLine(const std::vector<std::string> &arguments,
                   std::istream &in,
                   std::ostream &out,
                   std::ostream &err)
{
    CommandContext context(in, out, err);
    CLI::App app("Quiverstep: dithering for autoguided imaging", "quiverstep");
    app.require_subcommand(1);
    app.add_option("--store",
                   context.storePath,
                   "Use this settings database instead of the "
                   "per-user one")
            ->type_name("FILE");
    AddStoreCommands(app, context);
    AddPathCommand(app, context);
    AddRunCommand(app, context);
    AddHostCommand(app, context);
    AddSettingsCommands(app, context);
    AddGuiCommands(app, context);

    // CLI11 parses its arguments back to front.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp &) {
        out << app.help(); // delegates to the subcommand named
        return 0;
    } catch (const CLI::ParseError &e) {
        err << "quiverstep: " << e.what() << '\n';
        return 2;
    } catch (const UsageError &e) {
        err << "quiverstep: " << e.what() << '\n';
        return 2;
    } catch (const std::exception &e) {
        err << "quiverstep: " << e.what() << '\n';
        return 1;
    }
    return context.status;
}

} // namespace Quiverstep
