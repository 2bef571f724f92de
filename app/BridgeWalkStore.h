#pragma once

#include "WalkStore.h"

#include "CommandPlatform.h"
#include "RandomSource.h"
#include "SettingsStore.h"

namespace Quiverstep {

// The bridge's dither walk in the user's store: each dither reads the walk from the store,
// advances it through the plug-in's dither update (on a copy, so that no guide log is written)
// and saves what changed; the origin and the last target are kept under keys of their own.
class BridgeWalkStore : public Phd2::WalkStore
{
public:
    BridgeWalkStore(SettingsStore &store,
                    RandomSource &random,
                    CommandPlatform &platform = SystemPlatform());

    Phd2::Point CurrentTarget() override;
    Phd2::Point NextTarget(std::vector<std::string> &messages) override;
    std::optional<Phd2::LockAnchor> LoadAnchor() override;
    void SaveAnchor(const Phd2::LockAnchor &anchor) override;

private:
    SettingsStore &m_store;
    RandomSource &m_random;
    CommandPlatform &m_platform;
};

} // namespace Quiverstep
