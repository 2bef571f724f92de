#pragma once

#include "MessageSink.h"

#include <cstdint>
#include <functional>

namespace Quiverstep {

// What the plug-in asks of the windows. The Qt windows implement it; so does a headless
// stand-in for the command line and the tests.
class UserInterface : public MessageSink
{
public:
    // Shows the settings dialog modally and returns when it has closed.
    virtual void ShowSettings() = 0;

    // myDelay's one-shot timer: loads the settings dialog (without showing it), and after
    // this interval calls `tick`, even when the dialog has closed meanwhile.
    virtual void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick) = 0;

    // Processes pending user-interface events (timer ticks among them) once.
    virtual void ProcessEvents() = 0;
};

} // namespace Quiverstep
