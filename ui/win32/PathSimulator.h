#pragma once

#include "win32/Win32WindowView.h"

#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PathSimulatorView.h"

namespace Quiverstep {

// The simulator in Win32. It starts running when it loads.
class PathSimulator : public Win32WindowView<PathSimulatorView>
{
public:
    explicit PathSimulator(PlugInEnvironment &environment);

protected:
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;
    void onUnload() override;

private:
    void StartStepTimer(int milliseconds) override;
    void StopStepTimer() override;
    std::string StepSizeText() override;
    void Close() override;

    PlugInEnvironment &m_environment;
    PathSimulatorPresenter m_presenter;
};

} // namespace Quiverstep
