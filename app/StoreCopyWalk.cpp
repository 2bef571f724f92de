#include "StoreCopyWalk.h"

#include <ostream>

namespace Quiverstep {

StoreCopyWalk::StoreCopyWalk(SettingsStore &source, std::ostream &messages, RandomSource &random)
    : m_walk(m_copy,
             random,
             m_platform.clock,
             m_platform.files,
             m_platform.paths,
             [&messages](const std::string &text) { messages << "message: " << text << '\n'; })
{
    CopySettingsWithoutLog(source, m_copy);
}

} // namespace Quiverstep
