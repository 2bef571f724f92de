#pragma once

#include "presenters/WindowDescription.h"

#include "PlugInEnvironment.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;
class PathSimulatorView;

// Draws, cell by cell, the path the stored dither settings follow. It has no stepping of
// its own: it drives its own plug-in object in the test modes, so every simulated step is
// a real dither update on the stored running state. Starts running; closing it resets the
// walk.
class PathSimulatorPresenter
{
public:
    enum Control : int {
        pathCanvas = 1201,
        exitButton,
        resetButton,
        runButton,
        stepButton,
    };
    static const WindowDescription &Description();
    static constexpr int StepMilliseconds = 80;

    PathSimulatorPresenter(PlugInEnvironment &environment, PathSimulatorView &view);
    ~PathSimulatorPresenter();

    // The simulation starts running at once.
    void Load();
    void Clicked(int control);
    // The step timer's tick.
    void Tick();
    // Exit, Escape and the window frame: the stored walk goes back to its start. Once.
    void Unload();

private:
    void initSimulation();
    void simulateStep();
    void reset();
    void runOrStop();
    void stepOnce();

    PlugInEnvironment &m_environment;
    PathSimulatorView &m_view;
    std::unique_ptr<DitherPlugIn> m_plugIn;
    bool m_running = false;
    bool m_unloaded = false;
};

} // namespace Quiverstep
