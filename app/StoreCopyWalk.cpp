#include "StoreCopyWalk.h"

#include <ostream>

namespace Quiverstep {

StoreCopyWalk::StoreCopyWalk(CommandContext &context, RandomSource &random)
    : m_walk(m_copy,
             random,
             m_platform.clock,
             m_platform.files,
             m_platform.paths,
             [&context](const std::string &text) { context.err << "message: " << text << '\n'; })
{
    CopySettingsWithoutLog(context.store(), m_copy);
}

} // namespace Quiverstep
