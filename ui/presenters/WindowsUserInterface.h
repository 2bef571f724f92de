#pragma once

#include "PlugInEnvironment.h"
#include "UserInterface.h"

#include <stdexcept>

namespace Quiverstep {

// The plug-in's user interface in windows, whatever the toolkit: the settings dialog, a
// timer for myDelay, and a new timed message window for each dither-box message.
class WindowsUserInterface : public UserInterface
{
public:
    // The environment the windows give to the plug-in objects they create (the simulator's,
    // the test form's); it holds this interface itself, so it is attached afterwards.
    void Attach(PlugInEnvironment &environment) { m_environment = &environment; }

protected:
    PlugInEnvironment &environment() const
    {
        if (!m_environment)
            throw std::logic_error("the windows' user interface used before Attach");
        return *m_environment;
    }

private:
    PlugInEnvironment *m_environment = nullptr;
};

} // namespace Quiverstep
