#pragma once

#include "LockOrigin.h"

#include <optional>
#include <string>
#include <vector>

namespace Quiverstep::Phd2 {

// The user's dither walk, kept in the settings store with the bridge's anchor beside it.
class WalkStore
{
public:
    virtual ~WalkStore() = default;
    // The walk's current target in the guide box (16, 16 is its centre).
    virtual Point CurrentTarget() = 0;
    // One dither update from the stored walk, saved; the plug-in's messages (the dither box
    // message) are added to `messages`. Throws std::exception with a message when it fails.
    virtual Point NextTarget(std::vector<std::string> &messages) = 0;
    virtual std::optional<LockAnchor> LoadAnchor() = 0;
    virtual void SaveAnchor(const LockAnchor &anchor) = 0;
};

} // namespace Quiverstep::Phd2
