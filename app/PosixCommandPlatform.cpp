#include "CommandPlatform.h"

#include "PosixPlatform.h"
#include "SqliteStore.h"

namespace Quiverstep {

namespace {

std::unique_ptr<SettingsStore> openSqliteStore(const std::string &path)
{
    if (path.empty())
        return SqliteStore::OpenUserStore();
    return std::make_unique<SqliteStore>(path);
}

} // namespace

CommandPlatform &SystemPlatform()
{
    static PosixPlatform adapters;
    static CommandPlatform platform{adapters.clock,
                                    adapters.files,
                                    adapters.paths,
                                    openSqliteStore,
                                    "Use this settings database instead of the per-user one"};
    return platform;
}

} // namespace Quiverstep
