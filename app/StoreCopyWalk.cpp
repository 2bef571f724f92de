#include "StoreCopyWalk.h"

#include <ostream>
#include <utility>

namespace Quiverstep {

StoreCopyWalk::StoreCopyWalk(SettingsStore &source, std::ostream &messages, RandomSource &random)
    : StoreCopyWalk(source,
                    [&messages](const std::string &text) { messages << "message: " << text << '\n'; },
                    random)
{}

StoreCopyWalk::StoreCopyWalk(SettingsStore &source, DitherWalk::Printer messages, RandomSource &random)
    : m_walk(m_copy, random, m_platform.clock, m_platform.files, m_platform.paths, std::move(messages))
{
    CopySettingsWithoutLog(source, m_copy);
}

} // namespace Quiverstep
