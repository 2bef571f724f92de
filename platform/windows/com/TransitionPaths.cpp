// TRANSITION: the guide log's default folder until the core asks the platform for it.
#include "UserPaths.h"

namespace Quiverstep {
std::filesystem::path UserStateFolder()
{
    return "C:\\";
}
std::filesystem::path UserConfigFolder()
{
    return "C:\\";
}
} // namespace Quiverstep
