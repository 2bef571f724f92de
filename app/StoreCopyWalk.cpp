#include "StoreCopyWalk.h"

#include <ostream>

namespace Quiverstep {

StoreCopyWalk::StoreCopyWalk(SettingsStore &source,
                             CommandPlatform &platform,
                             std::ostream &messages,
                             RandomSource &random)
    : m_walk(m_copy,
             random,
             platform.clock,
             platform.files,
             platform.paths,
             [&messages](const std::string &text) { messages << "message: " << text << '\n'; })
{
    CopySettingsWithoutLog(source, m_copy);
}

} // namespace Quiverstep
