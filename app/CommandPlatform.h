#pragma once

#include "Clock.h"
#include "SettingsStore.h"
#include "TextFile.h"
#include "UserPaths.h"

#include <memory>
#include <string>

namespace Quiverstep {

// The platform pieces the commands reach: the POSIX adapters and the SQLite store on Linux,
// the Windows adapters and the registry store on Windows.
struct CommandPlatform
{
    Clock &clock;
    TextFileSystem &files;
    UserPaths &paths;
    // The per-user store for an empty path, else the store kept in that file.
    std::unique_ptr<SettingsStore> (*openStore)(const std::string &path);
    const char *storeOptionHelp; // what --store FILE does here
};

// The platform the program was built for (one definition per platform, chosen by the build).
CommandPlatform &SystemPlatform();

} // namespace Quiverstep
