#pragma once

#include "presenters/WindowView.h"

#include <string>

namespace Quiverstep {

// The simulator's window: its buttons, its step timer and its path canvas.
class PathSimulatorView : public WindowView
{
public:
    // The timer ticks every interval until stopped; each tick goes to the presenter's Tick.
    virtual void StartStepTimer(int milliseconds) = 0;
    virtual void StopStepTimer() = 0;
    // The step size as typed in the settings dialog, saved or not.
    virtual std::string StepSizeText() = 0;
    // Closes the window; it unloads through the presenter's Unload.
    virtual void Close() = 0;
};

} // namespace Quiverstep
