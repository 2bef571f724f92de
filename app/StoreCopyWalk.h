#pragma once

#include "CommandPlatform.h"
#include "DitherWalk.h"
#include "MemoryStore.h"

#include <iosfwd>

namespace Quiverstep {

// A dither walk on a copy of a store, with the guide log off and the plug-in's messages on
// `messages`: the store is read once and never written.
class StoreCopyWalk
{
public:
    StoreCopyWalk(SettingsStore &source,
                  CommandPlatform &platform,
                  std::ostream &messages,
                  RandomSource &random);
    StoreCopyWalk(SettingsStore &source,
                  CommandPlatform &platform,
                  DitherWalk::Printer messages,
                  RandomSource &random);

    // The copy that the walk advances; settings saved here are the walk's.
    SettingsStore &store() { return m_copy; }
    DitherWalk &walk() { return m_walk; }

private:
    MemoryStore m_copy;
    DitherWalk m_walk;
};

} // namespace Quiverstep
