#pragma once

#include "MessageSink.h"

#include <cstdint>

namespace Quiverstep {

// What the plug-in asks of the windows. The Qt windows implement it; so does a headless
// stand-in for the command line and the tests.
class UserInterface : public MessageSink
{
public:
    // Shows the settings dialog modally and returns when it has closed.
    virtual void ShowSettings() = 0;

    // myDelay's one-shot timer: the settings dialog's Timer1 (loading the dialog without
    // showing it) gets this interval and is enabled. Its tick calls moduleEvent::DelayTick().
    virtual void StartDelayTimer(std::int32_t milliseconds) = 0;

    // Processes pending user-interface events (timer ticks among them) once.
    virtual void ProcessEvents() = 0;
};

} // namespace Quiverstep
