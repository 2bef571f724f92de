#pragma once

#include "PlugInEnvironment.h"
#include "UserInterface.h"

namespace Quiverstep {

// The plug-in's user interface in native windows on the caller's thread: the settings
// dialog, a thread timer for myDelay, and a new timed message window for each dither-box message.
class Win32UserInterface : public UserInterface
{
public:
    // The environment the windows give to the plug-in objects they create (the simulator's,
    // the test form's); it holds this interface itself, so it is attached afterwards.
    void Attach(PlugInEnvironment &environment) { m_environment = &environment; }

    void ShowSettings() override;
    void StartDelayTimer(std::int32_t milliseconds, std::function<void()> tick) override;
    void ProcessEvents() override;
    void ShowTimedMessage(const std::string &text) override;

private:
    PlugInEnvironment &environment();

    PlugInEnvironment *m_environment = nullptr;
};

} // namespace Quiverstep
