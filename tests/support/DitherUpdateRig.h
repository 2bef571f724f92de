#pragma once

#include "DitherStepping.h"

#include <vector>

namespace Quiverstep {

// The target and the walk that the dither update reads and writes, to drive it without a
// plug-in; the messages it shows are kept.
class DitherUpdateRig : public MessageSink
{
public:
    // One update; a statement that fails is skipped, as under the plug-in's events.
    void Update(const Settings &settings, RandomSource &random)
    {
        SkipOnFailure step;
        DitherUpdate(XOffset, YOffset, state, {settings, random, *this, spiral}, step);
    }
    void ShowTimedMessage(const std::string &text) override { messages.push_back(text); }

    double XOffset = 0, YOffset = 0;
    DitherState state;
    Spiral::State spiral; // as in a new process
    std::vector<std::string> messages;
};

} // namespace Quiverstep
