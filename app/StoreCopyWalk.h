#pragma once

#include "CommandContext.h"

#include "DitherWalk.h"
#include "MemoryStore.h"
#include "PosixPlatform.h"

namespace Quiverstep {

// A dither walk on a copy of the command's store, with the guide log off and the plug-in's
// messages on standard error: the user's store is read once and never written.
class StoreCopyWalk
{
public:
    StoreCopyWalk(CommandContext &context, RandomSource &random);

    // The copy that the walk advances; settings saved here are the walk's.
    SettingsStore &store() { return m_copy; }
    DitherWalk &walk() { return m_walk; }

private:
    MemoryStore m_copy;
    PosixPlatform m_platform;
    DitherWalk m_walk;
};

} // namespace Quiverstep
