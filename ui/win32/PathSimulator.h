#pragma once

#include "win32/DialogWindow.h"
#include "win32/PathPicture.h"

#include "PlugInEnvironment.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;

// Steps the stored dither walk through its own plug-in object's test modes and paints each
// reached position on the 33 by 33 grid. Starts running; closing it resets the walk.
class PathSimulator : public DialogWindow
{
public:
    enum Control : int {
        pathCanvas = 1201,
        exitButton,
        resetButton,
        runButton,
        stepButton,
    };

    static constexpr int StepMilliseconds = 80;

    explicit PathSimulator(PlugInEnvironment &environment);
    ~PathSimulator() override;

    PathPicture *picture() const { return m_picture.get(); }
    bool running() const { return m_running; }

protected:
    void build() override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;
    void onUnload() override;

private:
    void InitSimulation();
    void SimulateStep();
    void Reset();
    void RunStop();
    void stepOnce();
    void stepWhileRunning();

    PlugInEnvironment &m_environment;
    std::unique_ptr<DitherPlugIn> m_plugIn;
    std::unique_ptr<PathPicture> m_picture;
    bool m_running = false;
};

} // namespace Quiverstep
