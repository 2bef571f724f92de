#include "HostCommand.h"

#include "HostScript.h"

#include <fstream>
#include <memory>

namespace Quiverstep {

void AddHostCommand(CLI::App &app, CommandContext &context)
{
    auto script = std::make_shared<std::string>("-");
    CLI::App *host = app.add_subcommand(
            "host",
            "Run one plug-in object in a substitute host whose camera records every access.\n"
            "Commands, one a line: want N | event E C | set MEMBER VALUE | get MEMBER |\n"
            "camera NAME=VALUE... | camera absent | camera present | camera fail NAME |\n"
            "store set KEY = VALUE | store get KEY | new. Blank lines and # lines are skipped.");
    host->add_option("SCRIPT", *script, "Script file; - or nothing reads standard input");
    host->callback([&context, script] {
        std::ifstream file;
        if (*script != "-") {
            file.open(*script);
            if (!file)
                throw UsageError("cannot read script " + *script);
        }
        CommandPlatform &platform = context.platform;
        HostScript session(context.store(),
                           platform.clock,
                           platform.files,
                           platform.paths,
                           context.process,
                           context.out);
        context.status = session.Run(*script == "-" ? context.in : file, context.err);
    });
}

} // namespace Quiverstep
