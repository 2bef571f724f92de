#include "CommandLine.h"

#include "AssessCommand.h"
#include "CommandContext.h"
#include "GuiCommands.h"
#include "HostCommand.h"
#include "PathCommand.h"
#include "Phd2Command.h"
#include "RunCommand.h"
#include "SettingsCommands.h"
#include "StoreCommands.h"

#include "Errors.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace Quiverstep {

SettingsStore &CommandContext::store()
{
    if (!m_store)
        m_store = platform.openStore(storePath);
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
    app.add_option("--store", context.storePath, context.platform.storeOptionHelp)->type_name("FILE");
    AddStoreCommands(app, context);
    AddPathCommand(app, context);
    AddPhd2Command(app, context);
#ifndef _WIN32
    // The simulated night stays a development tool; the Windows program carries what a user
    // of the plug-in needs beside it.
    AddRunCommand(app, context);
#endif
    AddAssessCommand(app, context);
    AddHostCommand(app, context);
    AddSettingsCommands(app, context);
    AddGuiCommands(app, context);

    // CLI11 parses its arguments back to front. It would read "--step=" as an option still
    // waiting for its value and take the next argument; given empty with "=", it is the empty
    // text.
    std::vector<std::string> reversed;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        if (argument->starts_with("--") && argument->find('=') == argument->size() - 1) {
            reversed.emplace_back();
            reversed.push_back(argument->substr(0, argument->size() - 1));
        } else {
            reversed.push_back(*argument);
        }
    }
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
