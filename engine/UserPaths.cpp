#include "UserPaths.h"

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

std::filesystem::path UserConfigFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserStateFolder()
{
    return xdgFolder("XDG_STATE_HOME", ".local/state");
}

} // namespace Quiverstep
