#include "CommandPlatform.h"

#include "CommandContext.h"

#include "RegistryStore.h"
#include "SettingKeys.h"
#include "StagedStore.h"
#include "WideText.h"
#include "Win32Clock.h"
#include "Win32TextFiles.h"
#include "WindowsUserPaths.h"

namespace Quiverstep {

namespace {

// The plug-in keeps its settings in the registry only; a second store beside it would split
// the walk and the patterns between two places.
std::unique_ptr<SettingsStore> openRegistryStore(const std::string &path)
{
    if (!path.empty())
        throw UsageError("--store: this build keeps the settings in the registry, under "
                         "HKEY_CURRENT_USER\\"
                         + Narrow(RegistryStore::SectionKey(Keys::Application, Keys::Section))
                         + " as the plug-in does, and opens no settings file");
    // A refused save leaves the registry as it was, as the settings database does.
    return std::make_unique<StagedStore>(std::make_unique<RegistryStore>());
}

} // namespace

CommandPlatform &SystemPlatform()
{
    static Win32Clock clock;
    static Win32TextFiles files;
    static WindowsUserPaths paths;
    static CommandPlatform platform{clock,
                                    files,
                                    paths,
                                    openRegistryStore,
                                    "Not available: the settings are kept in the registry"};
    return platform;
}

} // namespace Quiverstep
