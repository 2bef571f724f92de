#pragma once

#include "presenters/WindowPresenter.h"

#include "PlugInEnvironment.h"

#include <functional>
#include <memory>
#include <string>

namespace Quiverstep {

class DitherPlugIn;

// Draws, cell by cell, the path the stored dither settings follow. It has no stepping of
// its own: it drives its own plug-in object in the test modes, so every simulated step is
// a real dither update on the stored running state. Starts running; closing it resets the
// walk.
class PathSimulatorPresenter : public WindowPresenter
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
    static constexpr int stepTimer = 1;
    // The step size as typed in the settings dialog, saved or not.
    using StepSizeText = std::function<std::string()>;

    // The caption replaces the design caption when not empty.
    PathSimulatorPresenter(PlugInEnvironment &environment,
                           const std::string &caption,
                           StepSizeText stepSizeText);
    ~PathSimulatorPresenter() override;

    // The simulation starts running at once.
    void Load() override;
    void Tick(int timer) override;
    // Exit, Escape and the window frame: the stored walk goes back to its start. Once.
    void Unload() override;

private:
    void initSimulation();
    void simulateStep();
    void reset();
    // Puts the stored walk back on its start (the first pattern step at the step size typed in
    // the settings dialog, else the centre) with "Current Step" "1" and "Current Direction"
    // "False". Returns false, writing nothing, when the selected pattern does not exist. The
    // spiral's own walk is left as it is.
    bool resetWalk();
    // Run shows Stop while the steps run on the timer.
    void setRunning(bool running);
    void stepOnce();

    PlugInEnvironment &m_environment;
    std::string m_caption;
    StepSizeText m_stepSizeText;
    std::unique_ptr<DitherPlugIn> m_plugIn;
    bool m_running = false;
    bool m_unloaded = false;
};

} // namespace Quiverstep
