#include "StoreCopyWalk.h"

#include <ostream>
#include <utility>

namespace Quiverstep {

StoreCopyWalk::StoreCopyWalk(SettingsStore &source,
                             CommandPlatform &platform,
                             std::ostream &messages,
                             RandomSource &random)
    : StoreCopyWalk(source,
                    platform,
                    [&messages](const std::string &text) { messages << "message: " << text << '\n'; },
                    random)
{}

StoreCopyWalk::StoreCopyWalk(SettingsStore &source,
                             CommandPlatform &platform,
                             DitherWalk::Printer messages,
                             RandomSource &random)
    : m_walk(m_copy, random, platform.clock, platform.files, platform.paths, std::move(messages))
{
    CopySettingsWithoutLog(source, m_copy);
}

} // namespace Quiverstep
