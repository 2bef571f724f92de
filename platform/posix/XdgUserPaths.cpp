#include "XdgUserPaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace Quiverstep {

namespace {

std::filesystem::path homeFolder()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/tmp";
}

std::filesystem::path xdgFolder(const char *variable, const std::filesystem::path &fallback)
{
    const char *value = std::getenv(variable);
    std::filesystem::path base = value ? std::filesystem::path(value) : std::filesystem::path();
    if (base.empty() || !base.is_absolute())
        base = homeFolder() / fallback;
    return base / "Orrerix";
}

} // namespace

std::vector<std::string> XdgUserPaths::DefaultLogFiles(const std::string &fileName)
{
    const std::filesystem::path folder = StateFolder();
    // The default folder is ours to make; a path the user stored is used as given.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return {(folder / fileName).string()};
}

std::filesystem::path XdgUserPaths::ConfigFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path XdgUserPaths::StateFolder()
{
    return xdgFolder("XDG_STATE_HOME", ".local/state");
}

} // namespace Quiverstep
